<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Glossary</name>
    <message>
        <source>lambda</source>
        <extracomment>Glossary: the term this language uses for each, wherever a text names it. The finite rate of increase, the dominant eigenvalue of the projection matrix.</extracomment>
        <translation>Lambda</translation>
    </message>
    <message>
        <source>reproductive value</source>
        <extracomment>A stage&apos;s expected future offspring, relative to the first stage (Fisher).</extracomment>
        <translation>reproduktiver Wert</translation>
    </message>
    <message>
        <source>elasticity</source>
        <extracomment>The proportional change of lambda for a proportional change of one rate.</extracomment>
        <translation>Elastizität</translation>
    </message>
    <message>
        <source>harvest</source>
        <extracomment>Animals taken from the population each step (hunting, fishing).</extracomment>
        <translation>Entnahme</translation>
    </message>
    <message>
        <source>quota</source>
        <extracomment>A fixed number of animals the harvest may take each step.</extracomment>
        <translation>Quote</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>a population counts as gone below N animals (default 1;
0: only when a projection is rejected)</source>
        <translation>eine Population gilt unter N Tieren als erloschen (Standard 1;
0: nur wenn eine Projektion abgelehnt wird)</translation>
    </message>
    <message>
        <source>print one JSON object instead of aligned text</source>
        <translation>ein JSON-Objekt statt ausgerichteten Texts ausgeben</translation>
    </message>
    <message>
        <source>as text, explain each figure in a line under it</source>
        <translation>als Text jede Zahl in einer Zeile darunter erklären</translation>
    </message>
    <message>
        <source>unknown command %1; did you mean %2?</source>
        <translation>unbekannter Befehl %1; meinten Sie %2?</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>help takes one COMMAND</source>
        <translation>help nimmt ein COMMAND</translation>
    </message>
    <message>
        <source>unknown option %1; options of a command come after its name</source>
        <translation>unbekannte Option %1; die Optionen eines Befehls stehen nach seinem Namen</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>the command stopped on an error: %1</source>
        <translation>der Befehl brach mit einem Fehler ab: %1</translation>
    </message>
    <message>
        <source>the command stopped on an unknown error</source>
        <translation>der Befehl brach mit einem unbekannten Fehler ab</translation>
    </message>
    <message>
        <source>standard output could not be written (%1): the results are lost</source>
        <translation>die Standardausgabe konnte nicht geschrieben werden (%1): die Ergebnisse sind verloren</translation>
    </message>
    <message>
        <source>beverton-holt, ricker or ceiling: how reproduction falls
as the density D rises</source>
        <translation>beverton-holt, ricker oder ceiling: wie die Fortpflanzung
mit steigender Dichte D sinkt</translation>
    </message>
    <message>
        <source>the density at which the population settles without
harvest, above 0</source>
        <translation>die Dichte, bei der sich die Population ohne Entnahme
einpendelt, über 0</translation>
    </message>
    <message>
        <source>the stages whose sum is D, by name (default: all)</source>
        <translation>die Stadien, deren Summe D ist, nach Namen (Standard: alle)</translation>
    </message>
    <message>
        <source>the stages a way of harvesting takes from (default: all)</source>
        <translation>die Stadien, aus denen eine Entnahmeweise entnimmt (Standard: alle)</translation>
    </message>
    <message>
        <source>quota, rate or escapement: take the harvest this
way in place of H (needs --density and --level)</source>
        <translation>quota, rate oder escapement: die Entnahme auf diese Weise
statt H (braucht --density und --level)</translation>
    </message>
    <message>
        <source>the quota Q a step, the rate h (0 to 1) or the
escapement E</source>
        <translation>die Quote Q je Schritt, die Rate h (0 bis 1) oder die
Restmenge E</translation>
    </message>
    <message>
        <source>Usage: velmora-cli exercise key FILE [--student NAME] [--json]
       velmora-cli exercise check FILE
       velmora-cli exercise mark FILE ANSWERS... [--out FILE.csv]

Works with the exercise a model file (.velmora) holds: its questions, the values
each student gets a number of, and the answers students hand in.

  key     prints each question with its answer for a student (--student NAME; the
          same name always gives the same numbers) or for the file&apos;s own numbers.
  check   refuses a question whose &quot;asks&quot; names no figure, and computes every
          question for every combination of the varied values (a sample of 10000
          where there are more), so that no student gets a question without answer.
  mark    recomputes every mark of the answers files (.velmora-answers) from the
          student&apos;s name and answers, and prints a class table; a file whose numbers
          or marks differ from the recomputation is flagged. The number of tries is
          the student&apos;s program&apos;s count and cannot be verified.

Options:
</source>
        <translation>Aufruf: velmora-cli exercise key FILE [--student NAME] [--json]
        velmora-cli exercise check FILE
        velmora-cli exercise mark FILE ANSWERS... [--out FILE.csv]

Arbeitet mit der Übung einer Modelldatei (.velmora): ihren Fragen, den Werten,
von denen jede Schülerin und jeder Schüler eigene Zahlen bekommt, und den
abgegebenen Antworten.

  key     gibt jede Frage mit ihrer Antwort für eine Person aus (--student NAME;
          derselbe Name gibt immer dieselben Zahlen) oder für die Zahlen der Datei.
  check   lehnt eine Frage ab, deren &quot;asks&quot; keine Zahl nennt, und berechnet jede
          Frage für jede Kombination der variierten Werte (eine Stichprobe von 10000,
          wo es mehr sind), damit niemand eine Frage ohne Antwort bekommt.
  mark    berechnet jede Bewertung der Antwortdateien (.velmora-answers) aus Name
          und Antworten neu und gibt eine Klassentabelle aus; eine Datei, deren
          Zahlen oder Bewertungen von der Neuberechnung abweichen, wird markiert. Die
          Zahl der Versuche zählt das Programm der Schüler; sie ist nicht prüfbar.

Optionen:
</translation>
    </message>
    <message>
        <source>key: the student&apos;s name or number</source>
        <translation>key: Name oder Nummer der Schülerin oder des Schülers</translation>
    </message>
    <message>
        <source>key: print one JSON object</source>
        <translation>key: ein JSON-Objekt ausgeben</translation>
    </message>
    <message>
        <source>mark: also write the table as CSV</source>
        <translation>mark: die Tabelle auch als CSV schreiben</translation>
    </message>
    <message>
        <source>
Exit status 0 when done; 1 when check finds a question without an answer,
when mark cannot read an answers file or write FILE.csv, or when standard
output cannot be written; 2 with one line on standard error, and nothing done,
for a bad option, a FILE without a good exercise or an asks that names no figure.
</source>
        <translation>
Exit-Status 0, wenn fertig; 1, wenn check eine Frage ohne Antwort findet, wenn
mark eine Antwortdatei nicht lesen oder FILE.csv nicht schreiben kann oder wenn
die Standardausgabe nicht geschrieben werden kann; 2 mit einer Zeile auf der
Standardfehlerausgabe, ohne etwas zu tun, bei einer falschen Option, einer FILE
ohne gültige Übung oder einem asks, das keine Zahl nennt.
</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a model but no &quot;exercise&quot;</source>
        <translation>&quot;%1&quot; enthält ein Modell, aber keine &quot;exercise&quot;</translation>
    </message>
    <message>
        <source>--student: %1</source>
        <translation>--student: %1</translation>
    </message>
    <message>
        <source>the numbers of %1 break a rule of the model: %2</source>
        <translation>die Zahlen von %1 verletzen eine Regel des Modells: %2</translation>
    </message>
    <message>
        <source>Exercise: %1</source>
        <translation>Übung: %1</translation>
    </message>
    <message>
        <source>Student: %1</source>
        <translation>Schüler/in: %1</translation>
    </message>
    <message>
        <source>The file&apos;s own numbers (no student)</source>
        <translation>Die eigenen Zahlen der Datei (keine Person)</translation>
    </message>
    <message>
        <source>no answer: this model has no such figure</source>
        <translation>keine Antwort: dieses Modell hat keine solche Zahl</translation>
    </message>
    <message>
        <source> (exactly)</source>
        <translation> (genau)</translation>
    </message>
    <message>
        <source> (within %1 + %2)</source>
        <translation> (innerhalb %1 + %2)</translation>
    </message>
    <message>
        <source>question %1: &quot;asks&quot; is &quot;%2&quot;, which names no figure of the report</source>
        <translation>Frage %1: &quot;asks&quot; ist &quot;%2&quot; und nennt keine Zahl des Berichts</translation>
    </message>
    <message>
        <source>the file&apos;s numbers</source>
        <translation>die Zahlen der Datei</translation>
    </message>
    <message>
        <source>with %1: %2</source>
        <translation>mit %1: %2</translation>
    </message>
    <message>
        <source>question %1 has no answer with %2</source>
        <translation>Frage %1 hat keine Antwort mit %2</translation>
    </message>
    <message>
        <source>question %1 is a near tie with %2: the largest is within 2 % of the next</source>
        <translation>Frage %1 ist fast gleichauf mit %2: der größte Wert liegt innerhalb von 2 % des nächsten</translation>
    </message>
    <message>
        <source>all %1 combinations of the varied values</source>
        <translation>alle %1 Kombinationen der variierten Werte</translation>
    </message>
    <message>
        <source>a sample of %1 combinations of the varied values</source>
        <translation>eine Stichprobe von %1 Kombinationen der variierten Werte</translation>
    </message>
    <message>
        <source>1 problem in %1</source>
        <translation>1 Problem in %1</translation>
    </message>
    <message>
        <source>%1 problems in %2</source>
        <translation>%1 Probleme in %2</translation>
    </message>
    <message>
        <source>Every question has an answer for %1.</source>
        <translation>Jede Frage hat eine Antwort für %1.</translation>
    </message>
    <message>
        <source>unread</source>
        <translation>ungelesen</translation>
    </message>
    <message>
        <source>OTHER EXERCISE</source>
        <translation>ANDERE ÜBUNG</translation>
    </message>
    <message>
        <source>DIFFER</source>
        <translation>ABWEICHUNG</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>The number of tries is what each student&apos;s program counted: it cannot be verified.</source>
        <translation>Die Zahl der Versuche hat das Programm jeder Person gezählt: sie ist nicht prüfbar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>&quot;%1&quot; konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>no action given: key, check or mark</source>
        <translation>keine Aktion angegeben: key, check oder mark</translation>
    </message>
    <message>
        <source>unknown action %1; did you mean %2?</source>
        <translation>unbekannte Aktion %1; meinten Sie %2?</translation>
    </message>
    <message>
        <source>unknown action %1: key, check or mark</source>
        <translation>unbekannte Aktion %1: key, check oder mark</translation>
    </message>
    <message>
        <source>no FILE given: the model file with the exercise</source>
        <translation>keine FILE angegeben: die Modelldatei mit der Übung</translation>
    </message>
    <message>
        <source>no ANSWERS given: the answers files to mark</source>
        <translation>keine ANSWERS angegeben: die zu bewertenden Antwortdateien</translation>
    </message>
    <message>
        <source>more than one FILE given: %1 and %2</source>
        <translation>mehr als eine FILE angegeben: %1 und %2</translation>
    </message>
    <message>
        <source>the values of a model file (.velmora), a 4-class Leslie
model or a life cycle of any size; the options below
override them, wherever they stand</source>
        <translation>die Werte einer Modelldatei (.velmora), eines 4-Klassen-Leslie-
Modells oder eines Lebenszyklus beliebiger Größe; die Optionen
unten überschreiben sie, wo immer sie stehen</translation>
    </message>
    <message>
        <source>fecundities f0,f1,f2,f3 and survival rates s0,s1,s2 of
the 4-class Leslie model (default 0,1,2,1,0.5,1,0.5)</source>
        <translation>Fekunditäten f0,f1,f2,f3 und Überlebensraten s0,s1,s2 des
4-Klassen-Leslie-Modells (Standard 0,1,2,1,0.5,1,0.5)</translation>
    </message>
    <message>
        <source>a life cycle of any size instead: the names of its 1 to 100
stages, separated by &quot;,&quot; (&quot;seeds,adults&quot;); with
--transitions and --reproduction; not with --matrix</source>
        <translation>stattdessen ein Lebenszyklus beliebiger Größe: die Namen seiner 1
bis 100 Stadien, getrennt durch &quot;,&quot; (&quot;seeds,adults&quot;); mit
--transitions und --reproduction; nicht mit --matrix</translation>
    </message>
    <message>
        <source>U, survival and growth: one row a stage, rows separated by
&quot;;&quot; and values by &quot;,&quot; (&quot;0,0;0.5,0.8&quot;); row r, column c
is what one member of stage c gives stage r in a step;
each column adds up to at most 1</source>
        <translation>U, Überleben und Wachstum: eine Zeile je Stadium, Zeilen getrennt
durch &quot;;&quot; und Werte durch &quot;,&quot; (&quot;0,0;0.5,0.8&quot;); Zeile r, Spalte c
ist, was ein Mitglied von Stadium c in einem Schritt Stadium r gibt;
jede Spalte ergibt höchstens 1</translation>
    </message>
    <message>
        <source>F, births, as ROWS (&quot;0,2;0,0&quot;)</source>
        <translation>F, Geburten, als ROWS (&quot;0,2;0,0&quot;)</translation>
    </message>
    <message>
        <source>C, clonal reproduction, as ROWS (default none)</source>
        <translation>C, klonale Fortpflanzung, als ROWS (Standard: keine)</translation>
    </message>
    <message>
        <source>N(0): one number a class or stage (default 10 in each)</source>
        <translation>N(0): eine Zahl je Klasse oder Stadium (Standard 10 in jeder)</translation>
    </message>
    <message>
        <source>H: one number a class or stage (default 5,0,0,0 for the
4-class model, 0 in each stage of a life cycle)</source>
        <translation>H: eine Zahl je Klasse oder Stadium (Standard 5,0,0,0 beim
4-Klassen-Modell, 0 in jedem Stadium eines Lebenszyklus)</translation>
    </message>
    <message>
        <source>
Each value must be a plain number (&quot;12&quot;, &quot;-0.5&quot;, &quot;1.5e3&quot;); anything else is
refused. The values are checked with the editing window&apos;s rules: survival rates
from 0 to 1, everything else at least 0, no number too large; a value against a
rule is refused naming its option, the value and the rule. An option is given
once at most. A life cycle (--stages, or a --model file holding one) takes
--n0, --harvest and ROWS for its number of stages; one that is a 4-class Leslie
model (births into the first stage only, survival to the next stage only) is the
4-class model.
</source>
        <translation>
Jeder Wert muss eine einfache Zahl sein (&quot;12&quot;, &quot;-0.5&quot;, &quot;1.5e3&quot;); alles andere
wird abgelehnt. Die Werte werden nach den Regeln des Bearbeitungsfensters
geprüft: Überlebensraten von 0 bis 1, alles andere mindestens 0, keine Zahl zu
groß; ein Wert gegen eine Regel wird mit Option, Wert und Regel abgelehnt. Eine
Option steht höchstens einmal. Ein Lebenszyklus (--stages oder eine
--model-Datei mit einem) nimmt --n0, --harvest und ROWS für seine Zahl von
Stadien; einer, der ein 4-Klassen-Leslie-Modell ist (Geburten nur ins erste
Stadium, Überleben nur ins nächste), ist das 4-Klassen-Modell.
</translation>
    </message>
    <message>
        <source>%1: %2 = %3: %4</source>
        <translation>%1: %2 = %3: %4</translation>
    </message>
    <message>
        <source>the number is beyond the range of a double</source>
        <translation>die Zahl liegt außerhalb des Bereichs eines double</translation>
    </message>
    <message>
        <source>a survival rate must be from 0 to 1</source>
        <translation>eine Überlebensrate muss von 0 bis 1 reichen</translation>
    </message>
    <message>
        <source>a fecundity must be 0 or more</source>
        <translation>eine Fekundität muss 0 oder mehr sein</translation>
    </message>
    <message>
        <source>a number of animals must be 0 or more</source>
        <translation>eine Zahl von Tieren muss 0 oder mehr sein</translation>
    </message>
    <message>
        <source>a harvest must be 0 or more</source>
        <translation>eine Entnahme muss 0 oder mehr sein</translation>
    </message>
    <message>
        <source>N(0) adds up to a total beyond the range of a double</source>
        <translation>N(0) ergibt eine Summe außerhalb des Bereichs eines double</translation>
    </message>
    <message>
        <source>unknown option %1; did you mean %2?</source>
        <translation>unbekannte Option %1; meinten Sie %2?</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>Option %1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>option --%1 is given more than once</source>
        <translation>Option --%1 ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;: every value follows its option</source>
        <translation>unerwartetes Argument &quot;%1&quot;: jeder Wert steht nach seiner Option</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>diese Hilfe zeigen</translation>
    </message>
    <message>
        <source>coefficient of variation of each survival rate (default 0);
a rate s whose beta distribution needs a CV below sqrt((1 - s) / s)
takes the largest it allows (rates of 0 and 1 do not vary)</source>
        <translation>Variationskoeffizient jeder Überlebensrate (Standard 0);
eine Rate s, deren Betaverteilung einen CV unter sqrt((1 - s) / s)
braucht, nimmt den größten erlaubten (Raten 0 und 1 variieren nicht)</translation>
    </message>
    <message>
        <source>the same for each fecundity, 0 to 10 (default 0)</source>
        <translation>dasselbe für jede Fekundität, 0 bis 10 (Standard 0)</translation>
    </message>
    <message>
        <source>whole animals: binomial survivors, Poisson births; N(0) and H
are rounded to whole numbers first</source>
        <translation>ganze Tiere: binomiale Überlebende, Poisson-Geburten; N(0) und H
werden zuerst auf ganze Zahlen gerundet</translation>
    </message>
    <message>
        <source>a total below Q, or a total of 0, counts as lost
(default 1)</source>
        <translation>eine Summe unter Q oder eine Summe von 0 gilt als verloren
(Standard 1)</translation>
    </message>
    <message>
        <source>1 to 100000 (default 1000)</source>
        <translation>1 bis 100000 (Standard 1000)</translation>
    </message>
    <message>
        <source>1 to 1000 (default 100)</source>
        <translation>1 bis 1000 (Standard 100)</translation>
    </message>
    <message>
        <source>0 to 999999999 (default 1); one seed gives the same result
on any number of threads</source>
        <translation>0 bis 999999999 (Standard 1); ein Startwert gibt auf jeder Zahl
von Threads dasselbe Ergebnis</translation>
    </message>
    <message>
        <source>1 to 64 (default: one per core)</source>
        <translation>1 bis 64 (Standard: einer je Kern)</translation>
    </message>
    <message>
        <source>print one JSON object: risk, mean, deterministic (T + 1
numbers each), percentiles (&quot;5&quot; ... &quot;95&quot;), finalRisk,
finalRiskInterval, logLambdaS (simulated, approximation)</source>
        <translation>ein JSON-Objekt ausgeben: risk, mean, deterministic (je T + 1
Zahlen), percentiles (&quot;5&quot; ... &quot;95&quot;), finalRisk,
finalRiskInterval, logLambdaS (simulated, approximation)</translation>
    </message>
    <message>
        <source>also write the columns t, risk, p5, p25, p50, p75, p95, mean,
deterministic into FILE.csv</source>
        <translation>auch die Spalten t, risk, p5, p25, p50, p75, p95, mean,
deterministic in FILE.csv schreiben</translation>
    </message>
    <message>
        <source>number of steps (Project/Transit pairs), 0 to 1000
(default 10)</source>
        <translation>Zahl der Schritte (Project/Transit-Paare), 0 bis 1000
(Standard 10)</translation>
    </message>
    <message>
        <source>after the run, write the four files &quot;Save&quot; writes for the name
BASE.txt: BASE-age structure.txt, BASE-age distribution.txt,
BASE-total population and growth rate.txt and
BASE-growth-birth-death-survival-rate.txt (BASE takes no ending);
a 4-class model only</source>
        <translation>nach dem Lauf die vier Dateien schreiben, die &quot;Save&quot; für den Namen
BASE.txt schreibt: BASE-age structure.txt, BASE-age distribution.txt,
BASE-total population and growth rate.txt und
BASE-growth-birth-death-survival-rate.txt (BASE ohne Endung);
nur ein 4-Klassen-Modell</translation>
    </message>
    <message>
        <source>also write the table printed into FILE as CSV</source>
        <translation>auch die ausgegebene Tabelle als CSV in FILE schreiben</translation>
    </message>
    <message>
        <source>one line of at most 100 characters, shown with the model
(default: the title of --model&apos;s file, else none)</source>
        <translation>eine Zeile mit höchstens 100 Zeichen, mit dem Modell gezeigt
(Standard: der Titel der --model-Datei, sonst keiner)</translation>
    </message>
    <message>
        <source>what the student should look for; a line break in TEXT
(bash: $&apos;one\ntwo&apos;) starts a new line (default: the notes
of --model&apos;s file, else none)</source>
        <translation>worauf die Lernenden achten sollen; ein Zeilenumbruch in TEXT
(bash: $&apos;one\ntwo&apos;) beginnt eine neue Zeile (Standard: die
Notizen der --model-Datei, sonst keine)</translation>
    </message>
    <message>
        <source>replace FILE if it is there already</source>
        <translation>FILE ersetzen, wenn sie schon da ist</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is there already; give --force to replace it</source>
        <translation>die Datei &quot;%1&quot; ist schon da; geben Sie --force an, um sie zu ersetzen</translation>
    </message>
    <message>
        <source>points of each yield curve, 2 to 10000 (default 200)</source>
        <translation>Punkte jeder Ertragskurve, 2 bis 10000 (Standard 200)</translation>
    </message>
    <message>
        <source>also project each way at 90 % of its MSY for 60 steps
after one bad year that takes the share F (0 to 1) of
every stage</source>
        <translation>auch jede Weise bei 90 % ihres MSY 60 Schritte lang projizieren,
nach einem schlechten Jahr, das den Anteil F (0 bis 1) jedes
Stadiums nimmt</translation>
    </message>
    <message>
        <source>print one JSON object instead of text</source>
        <translation>ein JSON-Objekt statt Text ausgeben</translation>
    </message>
    <message>
        <source>
Without model options a command uses the default model; --model FILE reads a
model file, --stages with --transitions and --reproduction a life cycle.
&quot;velmora-cli COMMAND --help&quot; or &quot;velmora-cli help COMMAND&quot; lists the options
of a command; &quot;velmora-cli --version&quot; prints the version. --lang CODE (de, en,
es, fr) chooses the language of the texts instead of the system&apos;s; JSON, CSV
and the files written are the same in every language.
</source>
        <translation>
Ohne Modelloptionen nimmt ein Befehl das Standardmodell; --model FILE liest
eine Modelldatei, --stages mit --transitions und --reproduction einen
Lebenszyklus. &quot;velmora-cli COMMAND --help&quot; oder &quot;velmora-cli help COMMAND&quot;
listet die Optionen eines Befehls; &quot;velmora-cli --version&quot; gibt die Version
aus. --lang CODE (de, en, es, fr) wählt die Sprache der Texte statt der des
Systems; JSON, CSV und die geschriebenen Dateien sind in jeder Sprache gleich.
</translation>
    </message>
    <message>
        <source>Prints what the Analysis window shows for the model, with N(t) = N(0);
as text, a model file&apos;s title comes first. A life cycle of any size is
analysed the same way, its stages by name.
</source>
        <translation>Gibt aus, was das Analysefenster für das Modell zeigt, mit N(t) = N(0); als
Text steht der Titel einer Modelldatei vorn. Ein Lebenszyklus beliebiger Größe
wird ebenso analysiert, seine Stadien nach Namen.
</translation>
    </message>
    <message>
        <source>Exit status 0 when done; 1 with one line on standard error when standard output
cannot be written; 2 with one line on standard error, and nothing done, for a bad
option or value.
</source>
        <translation>Exit-Status 0, wenn fertig; 1 mit einer Zeile auf der Standardfehlerausgabe, wenn
die Standardausgabe nicht geschrieben werden kann; 2 mit einer Zeile auf der
Standardfehlerausgabe, ohne etwas zu tun, bei einer falschen Option oder einem
falschen Wert.
</translation>
    </message>
    <message>
        <source>--threshold needs a number of animals, 0 or more</source>
        <translation>--threshold braucht eine Zahl von Tieren, 0 oder mehr</translation>
    </message>
    <message>
        <source>Model: %1</source>
        <translation>Modell: %1</translation>
    </message>
    <message>
        <source>print every figure of the model analysis: lambda, stable age distribution,
reproductive values, R0, damping ratio, generation time, harvest
equilibrium, the fate of N(0) under the harvest, the largest constant harvest</source>
        <translation>jede Zahl der Modellanalyse ausgeben: Lambda, stabile Altersverteilung,
reproduktive Werte, R0, Dämpfungsverhältnis, Generationszeit, Entnahme-
Gleichgewicht, das Schicksal von N(0) unter der Entnahme, die größte
konstante Entnahme</translation>
    </message>
    <message>
        <source>Usage: velmora-cli [--lang CODE] COMMAND [OPTIONS]
       velmora-cli help COMMAND
       velmora-cli --version

Commands:
</source>
        <extracomment>The command and option names stay as they are; the lines keep their alignment.</extracomment>
        <translation>Aufruf: velmora-cli [--lang CODE] COMMAND [OPTIONS]
        velmora-cli help COMMAND
        velmora-cli --version

Befehle:
</translation>
    </message>
    <message>
        <source>%1: %2 (see %1 --help)</source>
        <extracomment>A refused command line: %1 is the program or command (&quot;velmora-cli run&quot;), %2 why.</extracomment>
        <translation>%1: %2 (siehe %1 --help)</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>--density is &quot;%1&quot;: it takes beverton-holt, ricker or ceiling</source>
        <translation>--density ist &quot;%1&quot;: erlaubt sind beverton-holt, ricker oder ceiling</translation>
    </message>
    <message>
        <source>--capacity needs a number above 0</source>
        <translation>--capacity braucht eine Zahl über 0</translation>
    </message>
    <message>
        <source>--strategy is &quot;%1&quot;: it takes quota, rate or escapement</source>
        <translation>--strategy ist &quot;%1&quot;: erlaubt sind quota, rate oder escapement</translation>
    </message>
    <message>
        <source>--level needs a number of at least 0</source>
        <translation>--level braucht eine Zahl von mindestens 0</translation>
    </message>
    <message>
        <source>--density is missing: give beverton-holt, ricker or ceiling</source>
        <translation>--density fehlt: geben Sie beverton-holt, ricker oder ceiling an</translation>
    </message>
    <message>
        <source>--capacity is missing: give K, the density at rest</source>
        <translation>--capacity fehlt: geben Sie K an, die Dichte im Ruhezustand</translation>
    </message>
    <message>
        <source>--counted-stages names a stage twice or one the model does not have</source>
        <translation>--counted-stages nennt ein Stadium doppelt oder eines, das das Modell nicht hat</translation>
    </message>
    <message>
        <source>--harvest-stages names a stage twice or one the model does not have</source>
        <translation>--harvest-stages nennt ein Stadium doppelt oder eines, das das Modell nicht hat</translation>
    </message>
    <message>
        <source>--strategy needs --level: the quota, rate or escapement to keep</source>
        <translation>--strategy braucht --level: die einzuhaltende Quote, Rate oder Restmenge</translation>
    </message>
    <message>
        <source>--level needs --strategy: quota, rate or escapement</source>
        <translation>--level braucht --strategy: quota, rate oder escapement</translation>
    </message>
    <message>
        <source>--strategy needs density dependence (--density and --capacity): without it, every way of harvesting either loses the population or lets it grow for ever</source>
        <translation>--strategy braucht Dichteabhängigkeit (--density und --capacity): ohne sie verliert jede Entnahmeweise die Population oder lässt sie für immer wachsen</translation>
    </message>
    <message>
        <source>--level of a rate is a share from 0 to 1</source>
        <translation>--level einer Rate ist ein Anteil von 0 bis 1</translation>
    </message>
    <message>
        <source>a ceiling</source>
        <extracomment>A form of density dependence, as in &quot;Density dependence: a ceiling, K = 100&quot;.</extracomment>
        <translation>eine Obergrenze</translation>
    </message>
    <message>
        <source>an exercise&apos;s answer key for a student, the check of its questions, and the
marks of the answers students hand in</source>
        <translation>der Lösungsschlüssel einer Übung für eine Person, die Prüfung ihrer Fragen
und die Bewertung der abgegebenen Antworten</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>The head of a command&apos;s first syntax line.</extracomment>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>or:</source>
        <extracomment>The head of a command&apos;s second syntax line, under &quot;Usage:&quot;.</extracomment>
        <translation>oder:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>%1 needs 7 comma-separated values: f0,f1,f2,f3,s0,s1,s2</source>
        <translation>%1 braucht 7 durch Komma getrennte Werte: f0,f1,f2,f3,s0,s1,s2</translation>
    </message>
    <message>
        <source>%1 needs 4 comma-separated values</source>
        <translation>%1 braucht 4 durch Komma getrennte Werte</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number</source>
        <translation>%1: &quot;%2&quot; ist keine Zahl</translation>
    </message>
    <message>
        <source>1 stage</source>
        <extracomment>A number of stages, for the %1 of a refusal.</extracomment>
        <translation>1 Stadium</translation>
    </message>
    <message>
        <source>%1 stages</source>
        <translation>%1 Stadien</translation>
    </message>
    <message>
        <source>%1: --model&apos;s file gives its model as a life cycle of %2: change it with --transitions and --reproduction</source>
        <extracomment>%2 is a number of stages (&quot;3 stages&quot;).</extracomment>
        <translation>%1: die --model-Datei gibt ihr Modell als Lebenszyklus mit %2: ändern Sie es mit --transitions und --reproduction</translation>
    </message>
    <message>
        <source>%1: a 4-class Leslie matrix cannot be given with %2: give the life cycle&apos;s --transitions and --reproduction instead</source>
        <translation>%1: eine 4-Klassen-Leslie-Matrix ist mit %2 nicht möglich: geben Sie stattdessen --transitions und --reproduction des Lebenszyklus an</translation>
    </message>
    <message>
        <source>--model %1</source>
        <translation>--model %1</translation>
    </message>
    <message>
        <source>%1 names %2, and --model&apos;s file has %3: give one name for each of them</source>
        <extracomment>%1 is the option with its value; %2 and %3 are numbers of stages (&quot;3 stages&quot;).</extracomment>
        <translation>%1 nennt %2, und die --model-Datei hat %3: geben Sie für jedes einen Namen an</translation>
    </message>
    <message>
        <source>--stages needs %1 ROWS as well: a life cycle has survival and growth (U) and reproduction (F)</source>
        <translation>--stages braucht auch %1 ROWS: ein Lebenszyklus hat Überleben und Wachstum (U) und Fortpflanzung (F)</translation>
    </message>
    <message>
        <source>%1 needs --stages NAMES, or --model with a file: the stages its values are read for</source>
        <translation>%1 braucht --stages NAMES oder --model mit einer Datei: die Stadien, für die seine Werte gelesen werden</translation>
    </message>
    <message>
        <source>--transitions: the column of &quot;%1&quot; adds up to %2: at most all of a stage can survive</source>
        <translation>--transitions: die Spalte von &quot;%1&quot; ergibt %2: höchstens ein ganzes Stadium kann überleben</translation>
    </message>
    <message>
        <source>--n0: N(0) adds up to a total beyond the range of a double</source>
        <translation>--n0: N(0) ergibt eine Summe außerhalb des Bereichs eines double</translation>
    </message>
    <message>
        <source>Usage: velmora-cli risk [--model FILE] [--matrix LIST] [--n0 LIST] [--harvest LIST]
                        [--cv-survival X] [--cv-fecundity X] [--demographic]
                        [--threshold Q] [--replicates R] [--steps T] [--seed S]
                        [--threads K] [--json] [--out FILE.csv]
                        [--density FORM --capacity K] [--counted-stages LIST]
                        [--strategy WAY --level X] [--harvest-stages LIST]

Projects the model R times for T steps with its vital rates drawn anew every
year (each survival rate from a beta distribution, each fecundity from a
lognormal one, with the model&apos;s rate as mean and the CV given) and prints the
chance that the total falls below Q (or to 0) within T steps, as the window
&quot;Risk under variability...&quot; does. Each step is N(t+1) = M(t) N(t) - H,
negative classes 0. A life cycle of any size (--stages ..., or a file of one)
starts at its N(0): each stage&apos;s survival is drawn and shared over its fates
as in U, each entry of F and C varies on its own.
With --density (or a --model file that holds density dependence), each year&apos;s
reproduction falls with the density at its start, and with --strategy the
harvest is a quota, a rate or an escapement in place of H. log lambda_s stays
that of the model without density dependence.

Options:
</source>
        <extracomment>The command and option names stay as they are.</extracomment>
        <translation>Aufruf: velmora-cli risk [--model FILE] [--matrix LIST] [--n0 LIST] [--harvest LIST]
                         [--cv-survival X] [--cv-fecundity X] [--demographic]
                         [--threshold Q] [--replicates R] [--steps T] [--seed S]
                         [--threads K] [--json] [--out FILE.csv]
                         [--density FORM --capacity K] [--counted-stages LIST]
                         [--strategy WAY --level X] [--harvest-stages LIST]

Projiziert das Modell R-mal über T Schritte, die Vitalraten jedes Jahr neu gezogen
(jede Überlebensrate aus einer Betaverteilung, jede Fekundität aus einer
Lognormalverteilung, mit der Rate des Modells als Mittelwert und dem gegebenen CV),
und gibt die Wahrscheinlichkeit aus, dass die Summe binnen T Schritten unter Q
(oder auf 0) fällt, wie das Fenster &quot;Risk under variability...&quot;. Jeder Schritt ist
N(t+1) = M(t) N(t) - H, negative Klassen 0. Ein Lebenszyklus beliebiger Größe
(--stages ... oder eine Datei mit einem) beginnt bei seinem N(0): das Überleben
jedes Stadiums wird gezogen und wie in U auf seine Wege verteilt, jeder Eintrag
von F und C variiert für sich.
Mit --density (oder einer --model-Datei mit Dichteabhängigkeit) sinkt die
Fortpflanzung jedes Jahres mit der Dichte an seinem Anfang, und mit --strategy ist
die Entnahme eine Quote, eine Rate oder eine Restmenge statt H. log lambda_s
bleibt das des Modells ohne Dichteabhängigkeit.

Optionen:
</translation>
    </message>
    <message>
        <source>Exit status 0 when done; 1 with one line on standard error when the CSV file
cannot be written (the results are printed all the same), standard output
cannot be written or the run cannot start its threads; 2 with one line on
standard error, and nothing done, for a bad option or value.
</source>
        <translation>Exit-Status 0, wenn fertig; 1 mit einer Zeile auf der Standardfehlerausgabe,
wenn die CSV-Datei nicht geschrieben werden kann (die Ergebnisse werden
trotzdem ausgegeben), die Standardausgabe nicht geschrieben werden kann oder
der Lauf keine Threads starten kann; 2 mit einer Zeile auf der
Standardfehlerausgabe, ohne etwas zu tun, bei einer falschen Option oder
einem falschen Wert.
</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>In place of a number that could not be found.</extracomment>
        <translation>keine</translation>
    </message>
    <message>
        <source>Density dependence: %1, K = %2; harvest: H.</source>
        <extracomment>%1 is the form of density dependence (&quot;Beverton-Holt&quot;, &quot;a ceiling&quot;).</extracomment>
        <translation>Dichteabhängigkeit: %1, K = %2; Entnahme: H.</translation>
    </message>
    <message>
        <source>Density dependence: %1, K = %2; harvest: a quota of Q = %3 a step.</source>
        <translation>Dichteabhängigkeit: %1, K = %2; Entnahme: eine Quote von Q = %3 je Schritt.</translation>
    </message>
    <message>
        <source>Density dependence: %1, K = %2; harvest: a rate of h = %3.</source>
        <translation>Dichteabhängigkeit: %1, K = %2; Entnahme: eine Rate von h = %3.</translation>
    </message>
    <message>
        <source>Density dependence: %1, K = %2; harvest: an escapement of E = %3.</source>
        <translation>Dichteabhängigkeit: %1, K = %2; Entnahme: eine Restmenge von E = %3.</translation>
    </message>
    <message>
        <source>%1 replicates of %2 steps, seed %3: survival CV %4, fecundity CV %5, whole animals (demographic variation).</source>
        <translation>%1 Wiederholungen über %2 Schritte, Startwert %3: Überlebens-CV %4, Fekunditäts-CV %5, ganze Tiere (demografische Variation).</translation>
    </message>
    <message>
        <source>%1 replicates of %2 steps, seed %3: survival CV %4, fecundity CV %5, no demographic variation.</source>
        <translation>%1 Wiederholungen über %2 Schritte, Startwert %3: Überlebens-CV %4, Fekunditäts-CV %5, keine demografische Variation.</translation>
    </message>
    <message>
        <source>N(t) = %1 at t = %2</source>
        <translation>N(t) = %1 bei t = %2</translation>
    </message>
    <message>
        <source>%1 (rounded to whole animals)</source>
        <translation>%1 (auf ganze Tiere gerundet)</translation>
    </message>
    <message>
        <source>Start: %1.</source>
        <extracomment>%1 holds N(0) (and H) of the start, as numbers.</extracomment>
        <translation>Start: %1.</translation>
    </message>
    <message>
        <source>At t = %1: mean total %2, median %3 (5 % to 95 %: %4 to %5); deterministic %6.</source>
        <translation>Bei t = %1: mittlere Summe %2, Median %3 (5 % bis 95 %: %4 bis %5); deterministisch %6.</translation>
    </message>
    <message>
        <source>log lambda_s without harvest: %1 from the replicates, %2 by Tuljapurkar&apos;s approximation.</source>
        <translation>log lambda_s ohne Entnahme: %1 aus den Wiederholungen, %2 nach Tuljapurkars Näherung.</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be written: %2</source>
        <translation>die Datei &quot;%1&quot; konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>%1 geschrieben</translation>
    </message>
    <message>
        <source>project the model many times with vital rates that vary from year to year and
print the chance of falling below a threshold, with percentiles of the total</source>
        <translation>das Modell viele Male mit von Jahr zu Jahr schwankenden Vitalraten
projizieren und die Wahrscheinlichkeit ausgeben, unter eine Schwelle zu
fallen, mit Perzentilen der Summe</translation>
    </message>
    <message>
        <source>%1: the number is beyond the range of a double</source>
        <translation>%1: die Zahl liegt außerhalb des Bereichs eines double</translation>
    </message>
    <message>
        <source>%1: needs a number from %2 up</source>
        <translation>%1: braucht eine Zahl ab %2</translation>
    </message>
    <message>
        <source>%1: needs a number from %2 to %3</source>
        <translation>%1: braucht eine Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>%1: needs a whole number from %2 to %3</source>
        <translation>%1: braucht eine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>--out needs a file name</source>
        <translation>--out braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>Runs K Project/Transit pairs as the main window does and prints N(t), the
total and the growth rate of every step. It stops early at a rejected
step or at the end of the simulation, and says so. A life cycle that is not
a 4-class Leslie model is stepped as the Life cycle window does,
N(t+1) = (U + F + C) N(t) - H with negative stages 0: one row a step with t,
each stage by name, the total and the growth rate N(t)/N(t-1).
With --density (or a --model file that holds density dependence) the model is
stepped that way, F and C scaled by the density, and with --strategy the harvest
is a quota, a rate or an escapement in place of H; the table also gives the
yield of each step.
</source>
        <translation>Führt K Project/Transit-Paare aus wie das Hauptfenster und gibt N(t), die Summe
und die Wachstumsrate jedes Schritts aus. Der Lauf endet früher bei einem
abgelehnten Schritt oder am Ende der Simulation und sagt es. Ein Lebenszyklus,
der kein 4-Klassen-Leslie-Modell ist, wird wie im Fenster Life cycle
fortgeschrieben, N(t+1) = (U + F + C) N(t) - H mit negativen Stadien 0: eine
Zeile je Schritt mit t, jedem Stadium nach Namen, der Summe und der
Wachstumsrate N(t)/N(t-1). Mit --density (oder einer --model-Datei mit
Dichteabhängigkeit) wird das Modell so fortgeschrieben, F und C mit der Dichte
skaliert, und mit --strategy ist die Entnahme eine Quote, eine Rate oder eine
Restmenge statt H; die Tabelle gibt auch den Ertrag jedes Schritts an.
</translation>
    </message>
    <message>
        <source>Exit status 0 when done; 1 with one line on standard error when a step was
refused (a number beyond the range of a double), a history or CSV file cannot
be written (the files hold the steps that were run; the files before a failed
one stay written) or standard output cannot be written; 2 with one line on
standard error, and nothing done, for a bad option or value.
</source>
        <translation>Exit-Status 0, wenn fertig; 1 mit einer Zeile auf der Standardfehlerausgabe,
wenn ein Schritt abgelehnt wurde (eine Zahl außerhalb des Bereichs eines
double), eine Verlaufs- oder CSV-Datei nicht geschrieben werden kann (die
Dateien enthalten die ausgeführten Schritte; die Dateien vor einer
gescheiterten bleiben geschrieben) oder die Standardausgabe nicht geschrieben
werden kann; 2 mit einer Zeile auf der Standardfehlerausgabe, ohne etwas zu
tun, bei einer falschen Option oder einem falschen Wert.
</translation>
    </message>
    <message>
        <source>total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>growth rate</source>
        <extracomment>A column head of the run table: N(t)/N(t-1).</extracomment>
        <translation>Wachstumsrate</translation>
    </message>
    <message>
        <source>yield</source>
        <extracomment>A column head of the run table: what the harvest took in the step.</extracomment>
        <translation>Ertrag</translation>
    </message>
    <message>
        <source>Ran %1 Project/Transit pairs.</source>
        <translation>%1 Project/Transit-Paare ausgeführt.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 Project/Transit pairs.</source>
        <translation>Nach %1 von %2 Project/Transit-Paaren angehalten.</translation>
    </message>
    <message>
        <source>The projection to t = %1 was rejected: Population size = 0. %2</source>
        <translation>Die Projektion auf t = %1 wurde abgelehnt: Populationsgröße = 0. %2</translation>
    </message>
    <message>
        <source>Population size = 0.  End of simulation.</source>
        <translation>Populationsgröße = 0.  Ende der Simulation.</translation>
    </message>
    <message>
        <source>Ran 1 step.</source>
        <translation>1 Schritt ausgeführt.</translation>
    </message>
    <message>
        <source>Ran %1 steps.</source>
        <translation>%1 Schritte ausgeführt.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 steps.</source>
        <translation>Nach %1 von %2 Schritten angehalten.</translation>
    </message>
    <message>
        <source>Population size = 0 at t = %1: nothing is left to project. %2</source>
        <translation>Populationsgröße = 0 bei t = %1: nichts ist mehr zu projizieren. %2</translation>
    </message>
    <message>
        <source>The step to t = %1 gives a number beyond the range of a double. %2</source>
        <translation>Der Schritt auf t = %1 ergibt eine Zahl außerhalb des Bereichs eines double. %2</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be written: %2; the files after it were not written</source>
        <translation>die Datei &quot;%1&quot; konnte nicht geschrieben werden: %2; die Dateien danach wurden nicht geschrieben</translation>
    </message>
    <message>
        <source>--steps needs a whole number from 0 to %1</source>
        <translation>--steps braucht eine ganze Zahl von 0 bis %1</translation>
    </message>
    <message>
        <source>--out needs a base name</source>
        <translation>--out braucht einen Basisnamen</translation>
    </message>
    <message>
        <source>--out &quot;%1&quot; names a folder; give a base name in it, such as &quot;%1run&quot;</source>
        <translation>--out &quot;%1&quot; nennt einen Ordner; geben Sie einen Basisnamen darin an, etwa &quot;%1run&quot;</translation>
    </message>
    <message>
        <source>--csv &quot;%1&quot; needs a file name</source>
        <translation>--csv &quot;%1&quot; braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--out &quot;%1&quot;: the four history files are those of a 4-class model, and this model is a life cycle of %2 stages: write its table with --csv FILE</source>
        <translation>--out &quot;%1&quot;: die vier Verlaufsdateien sind die eines 4-Klassen-Modells, und dieses Modell ist ein Lebenszyklus mit %2 Stadien: schreiben Sie seine Tabelle mit --csv FILE</translation>
    </message>
    <message>
        <source>--out &quot;%1&quot;: the four history files are those of the linear model, and this run has density dependence: write its table with --csv FILE</source>
        <translation>--out &quot;%1&quot;: die vier Verlaufsdateien sind die des linearen Modells, und dieser Lauf hat Dichteabhängigkeit: schreiben Sie seine Tabelle mit --csv FILE</translation>
    </message>
    <message>
        <source>run Project/Transit steps of a model or a life cycle, print every step,
write the table with --csv and, with --out, the four history files
that &quot;Save&quot; writes</source>
        <translation>Project/Transit-Schritte eines Modells oder Lebenszyklus ausführen,
jeden Schritt ausgeben, die Tabelle mit --csv und mit --out die vier
Verlaufsdateien schreiben, die &quot;Save&quot; schreibt</translation>
    </message>
    <message>
        <source>Writes a model file (.velmora) that &quot;Open model...&quot; of the main window and
--model read: the default model, or the model of --model, with the other
model options over it. A FILE without an ending gets &quot;.velmora&quot;. A file
already there is left as it is, unless --force is given. A 4-class Leslie
model is written as a version 1 file, any other life cycle as version 2; the
source of --model&apos;s file is kept.
</source>
        <translation>Schreibt eine Modelldatei (.velmora), die &quot;Open model...&quot; des Hauptfensters und
--model lesen: das Standardmodell oder das Modell von --model, mit den anderen
Modelloptionen darüber. Eine FILE ohne Endung bekommt &quot;.velmora&quot;. Eine schon
vorhandene Datei bleibt, wie sie ist, außer mit --force. Ein 4-Klassen-Leslie-
Modell wird als Datei der Version 1 geschrieben, jeder andere Lebenszyklus als
Version 2; die Quelle der --model-Datei bleibt erhalten.
</translation>
    </message>
    <message>
        <source>
Exit status 0 when written; 1 with one line on standard error when the file
cannot be written (a file already there is left as it was); 2 with one line on
standard error, and nothing written, for a bad option or value or for a FILE
already there without --force.
</source>
        <translation>
Exit-Status 0, wenn geschrieben; 1 mit einer Zeile auf der
Standardfehlerausgabe, wenn die Datei nicht geschrieben werden kann (eine
schon vorhandene Datei bleibt, wie sie war); 2 mit einer Zeile auf der
Standardfehlerausgabe, ohne etwas zu schreiben, bei einer falschen Option oder
einem falschen Wert oder bei einer schon vorhandenen FILE ohne --force.
</translation>
    </message>
    <message>
        <source>more than one FILE given: &quot;%1&quot; and &quot;%2&quot;</source>
        <translation>mehr als eine FILE angegeben: &quot;%1&quot; und &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no FILE given: the model file to write comes last</source>
        <translation>keine FILE angegeben: die zu schreibende Modelldatei steht zuletzt</translation>
    </message>
    <message>
        <source>FILE &quot;%1&quot; names a folder</source>
        <translation>FILE &quot;%1&quot; nennt einen Ordner</translation>
    </message>
    <message>
        <source>write a model file (.velmora) for the main window&apos;s &quot;Open model...&quot; and
--model</source>
        <translation>eine Modelldatei (.velmora) für &quot;Open model...&quot; des Hauptfensters und
--model schreiben</translation>
    </message>
    <message>
        <source>Usage: velmora-cli yield [--model FILE] [--matrix LIST] [--n0 LIST] [--harvest LIST]
                         --density FORM --capacity K [--counted-stages LIST]
                         [--harvest-stages LIST] [--points N] [--shock F] [--json]

Gives the model density dependence on its reproduction and compares three
ways of harvesting it: a fixed quota Q, a fixed rate h and a fixed
escapement E. For each: the yield curve once the population has settled,
its maximum (MSY) and where it lies, the level at 90 % of MSY, and the
smallest loss in one bad year that then sends the population to 0.

Options:
</source>
        <extracomment>The command and option names stay as they are.</extracomment>
        <translation>Aufruf: velmora-cli yield [--model FILE] [--matrix LIST] [--n0 LIST] [--harvest LIST]
                          --density FORM --capacity K [--counted-stages LIST]
                          [--harvest-stages LIST] [--points N] [--shock F] [--json]

Gibt dem Modell Dichteabhängigkeit in der Fortpflanzung und vergleicht drei
Entnahmeweisen: eine feste Quote Q, eine feste Rate h und eine feste Restmenge E.
Für jede: die Ertragskurve, sobald sich die Population eingependelt hat, ihr
Maximum (MSY) und wo es liegt, die Stufe bei 90 % des MSY und der kleinste
Verlust in einem schlechten Jahr, der die Population danach auf 0 bringt.

Optionen:
</translation>
    </message>
    <message>
        <source>Exit status 0 when done; 1 with one line on standard error when standard output
cannot be written; 2 with one line on standard error, and nothing done, for a bad
option or value, or a model that cannot settle at K (R0 of at most 1).
</source>
        <translation>Exit-Status 0, wenn fertig; 1 mit einer Zeile auf der Standardfehlerausgabe, wenn
die Standardausgabe nicht geschrieben werden kann; 2 mit einer Zeile auf der
Standardfehlerausgabe, ohne etwas zu tun, bei einer falschen Option oder einem
falschen Wert oder einem Modell, das sich nicht bei K einpendeln kann (R0 von
höchstens 1).
</translation>
    </message>
    <message>
        <source>--points needs a whole number from 2 to 10000</source>
        <translation>--points braucht eine ganze Zahl von 2 bis 10000</translation>
    </message>
    <message>
        <source>--shock needs a share from 0 to 1</source>
        <translation>--shock braucht einen Anteil von 0 bis 1</translation>
    </message>
    <message>
        <source>--density and --capacity are missing: give the form (beverton-holt, ricker or ceiling) and K, the density at rest</source>
        <translation>--density und --capacity fehlen: geben Sie die Form (beverton-holt, ricker oder ceiling) und K an, die Dichte im Ruhezustand</translation>
    </message>
    <message>
        <source>no positive population rests at K without harvest</source>
        <translation>keine positive Population ruht ohne Entnahme bei K</translation>
    </message>
    <message>
        <source>Density dependence: %1, K = %2, R0 = %3, b = %4</source>
        <translation>Dichteabhängigkeit: %1, K = %2, R0 = %3, b = %4</translation>
    </message>
    <message>
        <source>Density dependence: %1, K = %2, R0 = %3</source>
        <translation>Dichteabhängigkeit: %1, K = %2, R0 = %3</translation>
    </message>
    <message>
        <source>At rest without harvest, %1 in all:</source>
        <translation>Im Ruhezustand ohne Entnahme, %1 insgesamt:</translation>
    </message>
    <message>
        <source>way</source>
        <extracomment>Column heads of the yield table: kept short, the table has fixed columns.</extracomment>
        <translation>Weise</translation>
    </message>
    <message>
        <source>MSY</source>
        <translation>MSY</translation>
    </message>
    <message>
        <source>at</source>
        <extracomment>Column head: the level (Q, h or E) at which the MSY lies.</extracomment>
        <translation>bei</translation>
    </message>
    <message>
        <source>total at MSY</source>
        <translation>Summe bei MSY</translation>
    </message>
    <message>
        <source>90 % of MSY at</source>
        <translation>90 % des MSY bei</translation>
    </message>
    <message>
        <source>unstable rest</source>
        <translation>instabile Ruhe</translation>
    </message>
    <message>
        <source>smallest fatal loss</source>
        <translation>kleinster tödlicher Verlust</translation>
    </message>
    <message>
        <source>none short of all</source>
        <extracomment>No loss short of the whole population is fatal.</extracomment>
        <translation>erst alles</translation>
    </message>
    <message>
        <source>Under the %1 the population has no stable rest at its MSY: the yield is the mean over a cycle of %2 steps.</source>
        <extracomment>%1 is the way of harvesting as typed: quota, rate or escapement.</extracomment>
        <translation>Unter %1 hat die Population beim MSY keine stabile Ruhe: der Ertrag ist der Mittelwert über einen Zyklus von %2 Schritten.</translation>
    </message>
    <message>
        <source>Under the %1 the population has no stable rest at its MSY: it swings irregularly (chaos), and the yield is the mean over 600 steps.</source>
        <translation>Unter %1 hat die Population beim MSY keine stabile Ruhe: sie schwankt unregelmäßig (Chaos), und der Ertrag ist der Mittelwert über 600 Schritte.</translation>
    </message>
    <message>
        <source>Total after one bad year that takes %1 % of every stage, each way at 90 % of its MSY:</source>
        <translation>Summe nach einem schlechten Jahr, das %1 % jedes Stadiums nimmt, jede Weise bei 90 % ihres MSY:</translation>
    </message>
    <message>
        <source>give the model density dependence and compare the yield curves, MSY and the
one bad year each of a quota, a rate and an escapement survives</source>
        <translation>dem Modell Dichteabhängigkeit geben und die Ertragskurven, den MSY und das
schlechte Jahr vergleichen, das eine Quote, eine Rate und eine Restmenge
übersteht</translation>
    </message>
</context>
<context>
    <name>LanguageText</name>
    <message>
        <source>unknown language &quot;%1&quot; for --lang; the languages are %2</source>
        <translation>unbekannte Sprache „%1“ für --lang; die Sprachen sind %2</translation>
    </message>
</context>
<context>
    <name>LifeCycleGraph</name>
    <message>
        <source>reproduction (F)</source>
        <translation>Fortpflanzung (F)</translation>
    </message>
    <message>
        <source>clonal reproduction (C)</source>
        <translation>klonale Vermehrung (C)</translation>
    </message>
    <message>
        <source>survival and growth (U)</source>
        <translation>Überleben und Wachstum (U)</translation>
    </message>
    <message>
        <source>Life cycle</source>
        <translation>Lebenszyklus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written: the picture could not be drawn.</source>
        <translation>„%1“ wurde nicht geschrieben: Das Bild konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Usage: velmora [--lang CODE] [FILE]

Starts Velmora, a teaching program for population ecology; with FILE,
a model file (.velmora) is opened at the start.

Options:
  -h, --help   show this help
  --version    show the version
  --lang CODE  the language of the texts (de, en, es, fr) instead of
               the system&apos;s
Qt&apos;s own options, such as -platform offscreen, are taken as well.
velmora-cli runs the model without windows.
</source>
        <translation>Aufruf: velmora [--lang CODE] [DATEI]

Startet Velmora, ein Lehrprogramm zur Populationsökologie; mit DATEI
wird beim Start eine Modelldatei (.velmora) geöffnet.

Optionen:
  -h, --help   diese Hilfe zeigen
  --version    die Version zeigen
  --lang CODE  die Sprache der Texte (de, en, es, fr) statt der des
               Systems
Qts eigene Optionen, etwa -platform offscreen, werden ebenfalls angenommen.
velmora-cli rechnet das Modell ohne Fenster.
</translation>
    </message>
</context>
<context>
    <name>ChartTexts</name>
    <message>
        <source>age  %1</source>
        <extracomment>A chart legend entry; %1 is the age class number.</extracomment>
        <translation>Alter %1</translation>
    </message>
    <message>
        <source>time</source>
        <extracomment>The x axis title of the charts of the history.</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Total population size</source>
        <translation>Gesamtgröße der Population</translation>
    </message>
    <message>
        <source>Growth rate</source>
        <translation>Wachstumsrate</translation>
    </message>
    <message>
        <source>Change rate dN(t)</source>
        <translation>Änderung dN(t)</translation>
    </message>
    <message>
        <source>Age structure</source>
        <translation>Altersstruktur</translation>
    </message>
    <message>
        <source>age size</source>
        <translation>Größe der Altersklasse</translation>
    </message>
    <message>
        <source>age distribution</source>
        <translation>Altersverteilung</translation>
    </message>
</context>
<context>
    <name>ChartImage</name>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>Das Bild konnte nicht gezeichnet werden.</translation>
    </message>
</context>
<context>
    <name>velmora::ChartMenu</name>
    <message>
        <source>&amp;Save chart as image...</source>
        <translation>Diagramm als Bild &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Copy chart</source>
        <translation>Diagramm &amp;kopieren</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Diagramm als Bild speichern</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>Die Datei „%1“ gibt es schon.
Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>The chart could not be saved as &quot;%1&quot;:
%2</source>
        <translation>Das Diagramm konnte nicht als „%1“ gespeichert werden:
%2</translation>
    </message>
</context>
<context>
    <name>velmora::Larggraf</name>
    <message>
        <source>Graph</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Population size</source>
        <translation>Gesamtzahl</translation>
    </message>
    <message>
        <source>Growth rate</source>
        <translation>Wachstum</translation>
    </message>
    <message>
        <source>Age structure</source>
        <translation>Altersstruktur</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Age distribution</source>
        <translation>Altersverteilung</translation>
    </message>
    <message>
        <source>Population size: chart of the total N(t)</source>
        <translation>Populationsgröße: Diagramm der Gesamtzahl N(t)</translation>
    </message>
    <message>
        <source>Growth rate: chart of N(t+1)/N(t)</source>
        <translation>Wachstumsrate: Diagramm von N(t+1)/N(t)</translation>
    </message>
    <message>
        <source>Age structure: chart of every age class</source>
        <translation>Altersstruktur: Diagramm jeder Altersklasse</translation>
    </message>
    <message>
        <source>N(t)-N(t-1): chart of the change</source>
        <translation>N(t)-N(t-1): Diagramm der Änderung</translation>
    </message>
    <message>
        <source>Age distribution: chart of the shares of the age classes</source>
        <translation>Altersverteilung: Diagramm der Anteile der Altersklassen</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Diese Seite drucken</translation>
    </message>
    <message>
        <source>Go back: back to the main window</source>
        <translation>Zurück: zurück zum Hauptfenster</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Dieses Programm beenden</translation>
    </message>
    <message>
        <source>Chart: %1, %2 over %3</source>
        <extracomment>Read out by screen readers: %1 the chart&apos;s title, %2 and %3 its axis titles.</extracomment>
        <translation>Diagramm: %1, %2 über %3</translation>
    </message>
</context>
<context>
    <name>velmora::Changdat</name>
    <message>
        <source>Change default values</source>
        <translation>Startwerte ändern</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Nochmal</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>M, row %1, column %2 (always 0)</source>
        <translation>M, Zeile %1, Spalte %2 (immer 0)</translation>
    </message>
    <message>
        <source>Fecundity of age class %1</source>
        <translation>Fruchtbarkeit der Altersklasse %1</translation>
    </message>
    <message>
        <source>Survival rate from age class %1 to %2</source>
        <translation>Überlebensrate von Altersklasse %1 nach %2</translation>
    </message>
    <message>
        <source>N(0), age class %1</source>
        <translation>N(0), Altersklasse %1</translation>
    </message>
    <message>
        <source>Harvest, age class %1</source>
        <translation>Entnahme, Altersklasse %1</translation>
    </message>
    <message>
        <source>Go Back: check and apply the values</source>
        <translation>Zurück: Werte prüfen und übernehmen</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Dieses Programm beenden</translation>
    </message>
    <message>
        <source>Try again: enter new values</source>
        <translation>Nochmal: neue Werte eingeben</translation>
    </message>
    <message>
        <source>You can change the default values of the population matrix (M), the initial population structure N(0) and the daily harvest rate matrix H.  In matrix M, the red data are the age-specific fecundities. The blue data are the age-specific survival rates. The age-specific harvest matrix (H) contains the daily harvest number for each age group.</source>
        <translation>Hier ändern Sie die Startwerte der Populationsmatrix (M), der Anfangspopulation N(0) und der täglichen Entnahmematrix H. In M sind die roten Werte die altersspezifischen Fruchtbarkeiten, die blauen die Überlebensraten. Die Entnahmematrix (H) enthält die tägliche Entnahme jeder Altersgruppe.</translation>
    </message>
</context>
<context>
    <name>velmora::ExerciseWindow</name>
    <message>
        <source>Exercise: %1</source>
        <translation>Übung: %1</translation>
    </message>
    <message>
        <source>Your &amp;name or number:</source>
        <translation>Ihr &amp;Name oder Ihre Nummer:</translation>
    </message>
    <message>
        <source>Your name or number</source>
        <translation>Ihr Name oder Ihre Nummer</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>S&amp;tarten</translation>
    </message>
    <message>
        <source>Draws your own numbers and puts the model in place</source>
        <translation>Zieht Ihre eigenen Zahlen und setzt das Modell ein</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Answer to question %1</source>
        <translation>Antwort auf Frage %1</translation>
    </message>
    <message>
        <source>Mark of question %1</source>
        <translation>Bewertung von Frage %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Sa&amp;ve answers...</source>
        <translation>Antworten &amp;speichern...</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Your numbers break a rule of the model: %1
Tell your teacher.</source>
        <translation>Ihre Zahlen verletzen eine Regel des Modells: %1
Sagen Sie es Ihrer Lehrkraft.</translation>
    </message>
    <message numerus="yes">
        <source>%n number(s) apart by blanks</source>
        <translation>
            <numerusform>%n Zahl</numerusform>
            <numerusform>%n Zahlen, getrennt durch Leerzeichen</numerusform>
        </translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Richtig.</translation>
    </message>
    <message>
        <source>Close: check your rounding.</source>
        <translation>Knapp daneben: Prüfen Sie Ihre Rundung.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <translation>Falsch.</translation>
    </message>
    <message>
        <source>Wrong. Hint: %1</source>
        <translation>Falsch. Hinweis: %1</translation>
    </message>
    <message>
        <source>No tries left: this answer stays as it is.</source>
        <translation>Keine Versuche mehr: Diese Antwort bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Try %1 of %2.</source>
        <translation>Versuch %1 von %2.</translation>
    </message>
    <message>
        <source>Score: %1 of %2</source>
        <translation>Punkte: %1 von %2</translation>
    </message>
    <message>
        <source>Save answers</source>
        <translation>Antworten speichern</translation>
    </message>
    <message>
        <source>The answers were not saved: %1</source>
        <translation>Die Antworten wurden nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>grows</source>
        <extracomment>A choice of answer: the population grows, falls or holds.</extracomment>
        <translation>wächst</translation>
    </message>
    <message>
        <source>falls</source>
        <translation>schrumpft</translation>
    </message>
    <message>
        <source>holds</source>
        <translation>bleibt gleich</translation>
    </message>
</context>
<context>
    <name>velmora::LifeCycleWindow</name>
    <message>
        <source>total</source>
        <translation>gesamt</translation>
    </message>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <source>N(t)</source>
        <translation>N(t)</translation>
    </message>
    <message>
        <source>Life cycle</source>
        <translation>Lebenszyklus</translation>
    </message>
    <message>
        <source>Harvest and &amp;yield...</source>
        <translation>Entnahme und &amp;Ertrag...</translation>
    </message>
    <message>
        <source>Life-cycle graph</source>
        <translation>Lebenszyklus-Graph</translation>
    </message>
    <message>
        <source>Analysis of the model as it stands</source>
        <translation>Analyse des Modells, wie es jetzt ist</translation>
    </message>
    <message>
        <source>Life-cycle gra&amp;ph</source>
        <translation>Lebenszyklus-&amp;Graph</translation>
    </message>
    <message>
        <source>A&amp;nalysis</source>
        <translation>A&amp;nalyse</translation>
    </message>
    <message>
        <source>Stages: name, N(0) and harvest H</source>
        <translation>Stadien: Name, N(0) und Entnahme H</translation>
    </message>
    <message>
        <source>Stages: name, N(0) and H</source>
        <translation>Stadien: Name, N(0) und H</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>N(0)</source>
        <translation>N(0)</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>U, survival and growth</source>
        <translation>U, Überleben und Wachstum</translation>
    </message>
    <message>
        <source>F, reproduction</source>
        <translation>F, Fortpflanzung</translation>
    </message>
    <message>
        <source>C, clonal reproduction</source>
        <translation>C, klonale Vermehrung</translation>
    </message>
    <message>
        <source>&amp;U: survival and growth</source>
        <translation>&amp;U: Überleben, Wachstum</translation>
    </message>
    <message>
        <source>&amp;F: reproduction</source>
        <translation>&amp;F: Fortpflanzung</translation>
    </message>
    <message>
        <source>&amp;C: clonal</source>
        <translation>&amp;C: klonal</translation>
    </message>
    <message>
        <source>Column: the stage moved from; row: the stage moved to. Each column sums to at most 1.</source>
        <translation>Spalte: das Stadium, aus dem gewechselt wird; Zeile: das Stadium, in das gewechselt wird. Jede Spalte ergibt zusammen höchstens 1.</translation>
    </message>
    <message>
        <source>Column: the parents&apos; stage; row: the stage the young are born into.</source>
        <translation>Spalte: das Stadium der Eltern; Zeile: das Stadium, in das die Jungen geboren werden.</translation>
    </message>
    <message>
        <source>&amp;Add stage</source>
        <translation>&amp;Neues Stadium</translation>
    </message>
    <message>
        <source>Add a stage after the selected one</source>
        <translation>Ein Stadium nach dem ausgewählten einfügen</translation>
    </message>
    <message>
        <source>Re&amp;move stage</source>
        <translation>Stadium &amp;löschen</translation>
    </message>
    <message>
        <source>Remove the selected stage</source>
        <translation>Das ausgewählte Stadium löschen</translation>
    </message>
    <message>
        <source>C&amp;lonal reproduction</source>
        <translation>K&amp;lonale Vermehrung</translation>
    </message>
    <message>
        <source>Chart: each stage and the total over t</source>
        <translation>Diagramm: jedes Stadium und die Summe über t</translation>
    </message>
    <message>
        <source>&amp;Step</source>
        <translation>&amp;Schritt</translation>
    </message>
    <message>
        <source>Step: one step</source>
        <translation>Schritt: ein Schritt</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>Sta&amp;rten</translation>
    </message>
    <message>
        <source>Run: as many steps as the steps box says</source>
        <translation>Starten: so viele Schritte, wie das Feld Schritte angibt</translation>
    </message>
    <message>
        <source>Steps of a run</source>
        <translation>Schritte eines Laufs</translation>
    </message>
    <message>
        <source>st&amp;eps</source>
        <translation>Schr&amp;itte</translation>
    </message>
    <message>
        <source>L&amp;og scale</source>
        <translation>L&amp;og. Skala</translation>
    </message>
    <message>
        <source>Save &amp;graph...</source>
        <translation>&amp;Graph speichern...</translation>
    </message>
    <message>
        <source>Save the graph as a picture, SVG or PNG</source>
        <translation>Den Graphen als Bild speichern, SVG oder PNG</translation>
    </message>
    <message>
        <source>A name ending in .svg saves SVG, any other name PNG</source>
        <translation>Ein Name auf .svg speichert SVG, jeder andere PNG</translation>
    </message>
    <message>
        <source>Send to main &amp;window</source>
        <translation>An &amp;Hauptfenster</translation>
    </message>
    <message>
        <source>Send the model to the main window</source>
        <translation>Das Modell an das Hauptfenster senden</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Go back: back to the main window</source>
        <translation>Zurück: zurück zum Hauptfenster</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Quelle: %1</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>nach %1</translation>
    </message>
    <message>
        <source>Show this model in the main window</source>
        <translation>Dieses Modell im Hauptfenster zeigen</translation>
    </message>
    <message>
        <source>Only a 4-stage Leslie model fits the main window: births into stage 1 and survival to the next stage only</source>
        <translation>Nur ein Leslie-Modell mit 4 Stadien passt ins Hauptfenster: Geburten nur in Stadium 1 und Überleben nur ins nächste Stadium</translation>
    </message>
    <message>
        <source>This exercise keeps the analysis closed while it is open: the answers are yours to find.</source>
        <translation>Diese Übung hält die Analyse geschlossen, solange sie offen ist: Die Antworten sollen Sie selbst finden.</translation>
    </message>
    <message>
        <source>&amp;Density: %1, K = %2</source>
        <extracomment>%1 is the form of density dependence (Beverton-Holt, Ricker or ceiling), %2 a number.</extracomment>
        <translation>&amp;Dichte: %1, K = %2</translation>
    </message>
    <message>
        <source>Density dependence on Step and Run</source>
        <translation>Dichteabhängigkeit bei Schritt und Starten</translation>
    </message>
    <message>
        <source>R0 = %1: with density dependence a population must more than replace itself when sparse. Switch density off to project the model as it stands.</source>
        <translation>R0 = %1: Mit Dichteabhängigkeit muss sich eine Population bei geringer Dichte mehr als ersetzen. Schalten Sie die Dichte aus, um das Modell so zu projizieren, wie es ist.</translation>
    </message>
    <message>
        <source>Density dependence cannot be applied to the model as it stands. Switch density off to project it.</source>
        <translation>Die Dichteabhängigkeit lässt sich auf das Modell, wie es jetzt ist, nicht anwenden. Schalten Sie die Dichte aus, um es zu projizieren.</translation>
    </message>
    <message>
        <source>t = %1   total N(t) = %2</source>
        <translation>t = %1   gesamt N(t) = %2</translation>
    </message>
    <message>
        <source>   growth rate N(t)/N(t-1) = %1</source>
        <translation>   Wachstumsrate N(t)/N(t-1) = %1</translation>
    </message>
    <message>
        <source>life cycle.png</source>
        <translation>Lebenszyklus.png</translation>
    </message>
    <message>
        <source>Save graph</source>
        <translation>Graph speichern</translation>
    </message>
    <message>
        <source>Beverton-Holt</source>
        <translation>Beverton-Holt</translation>
    </message>
    <message>
        <source>Ricker</source>
        <translation>Ricker</translation>
    </message>
    <message>
        <source>ceiling</source>
        <translation>Obergrenze</translation>
    </message>
</context>
<context>
    <name>velmora::Form1</name>
    <message>
        <source>Velmora model based on Lewis-Leslie matrix</source>
        <translation>Velmora-Modell nach der Lewis-Leslie-Matrix</translation>
    </message>
    <message>
        <source>Velmora model</source>
        <translation>Velmora-Modell</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>(C) Velmora project, 1997-%1</source>
        <extracomment>%1 is the current year.</extracomment>
        <translation>(C) Projekt Velmora, 1997-%1</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>The Velmora project
Teaching software for
population ecology</source>
        <extracomment>Three short lines in a narrow frame.</extracomment>
        <translation>Das Projekt Velmora
Lernsoftware für
Populationsökologie</translation>
    </message>
    <message>
        <source>Harvest</source>
        <translation>Entnahme</translation>
    </message>
    <message>
        <source>Right click here (or press the Menu key) for the model&apos;s analysis, risk, harvest and yield, life cycle, model files and examples</source>
        <translation>Rechtsklick hier (oder Menütaste) für die Analyse des Modells, Risiko, Entnahme und Ertrag, Lebenszyklus, Modelldateien und Beispiele</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projektion</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Übergang</translation>
    </message>
    <message>
        <source>Population size = 0.  End of simulation.</source>
        <translation>Populationsgröße = 0. Simulation beendet.</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Growth rate =</source>
        <translation>Wachstum =</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source> Your choice </source>
        <translation> Ihre Wahl </translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Rechnen</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Dieses Programm beenden</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>View graphics</source>
        <translation>Grafiken anzeigen</translation>
    </message>
    <message>
        <source>Change default values</source>
        <translation>Startwerte ändern</translation>
    </message>
    <message>
        <source>Change default data</source>
        <translation>Startwerte ändern</translation>
    </message>
    <message>
        <source>How To</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Diese Seite drucken</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>M, row %1, column %2</source>
        <translation>M, Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>Fecundity of age class %1</source>
        <translation>Fruchtbarkeit der Altersklasse %1</translation>
    </message>
    <message>
        <source>Survival rate from age class %1 to %2</source>
        <translation>Überlebensrate von Altersklasse %1 nach %2</translation>
    </message>
    <message>
        <source>N(t), age class %1</source>
        <translation>N(t), Altersklasse %1</translation>
    </message>
    <message>
        <source>Harvest, age class %1</source>
        <translation>Entnahme, Altersklasse %1</translation>
    </message>
    <message>
        <source>N(t+1), age class %1</source>
        <translation>N(t+1), Altersklasse %1</translation>
    </message>
    <message>
        <source>Total of N(t)</source>
        <translation>Summe von N(t)</translation>
    </message>
    <message>
        <source>Total of N(t+1)</source>
        <translation>Summe von N(t+1)</translation>
    </message>
    <message>
        <source>Growth rate</source>
        <translation>Wachstumsrate</translation>
    </message>
    <message>
        <source>Project: compute N(t+1)</source>
        <translation>Rechnen: N(t+1) berechnen</translation>
    </message>
    <message>
        <source>Transit: move N(t+1) into N(t)</source>
        <translation>Weiter: N(t+1) nach N(t) übernehmen</translation>
    </message>
    <message>
        <source>Graph: view the charts</source>
        <translation>Grafik: Diagramme anzeigen</translation>
    </message>
    <message>
        <source>How to use this program</source>
        <translation>So benutzen Sie dieses Programm</translation>
    </message>
    <message>
        <source>Save the history to files</source>
        <translation>Verlauf in Dateien speichern</translation>
    </message>
    <message>
        <source>Velmora model: open the introduction</source>
        <translation>Velmora-Modell: Einführung öffnen</translation>
    </message>
    <message>
        <source>Model &amp;analysis...</source>
        <translation>Modell&amp;analyse...</translation>
    </message>
    <message>
        <source>&amp;Risk under variability...</source>
        <translation>&amp;Risiko bei Schwankungen...</translation>
    </message>
    <message>
        <source>&amp;Life cycle...</source>
        <translation>&amp;Lebenszyklus...</translation>
    </message>
    <message>
        <source>Harvest and &amp;yield...</source>
        <translation>Entnahme und &amp;Ertrag...</translation>
    </message>
    <message>
        <source>&amp;Open model...</source>
        <translation>Modell ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save model...</source>
        <translation>Modell &amp;speichern...</translation>
    </message>
    <message>
        <source>Save as exer&amp;cise...</source>
        <translation>Als Ü&amp;bung speichern...</translation>
    </message>
    <message>
        <source>E&amp;xamples</source>
        <translation>Bei&amp;spiele</translation>
    </message>
    <message>
        <source>A&amp;bout this model</source>
        <translation>Ü&amp;ber dieses Modell</translation>
    </message>
    <message>
        <source>Model: %1</source>
        <extracomment>%1 is the title of the model file opened last.</extracomment>
        <translation>Modell: %1</translation>
    </message>
    <message>
        <source>Click for the introduction</source>
        <translation>Klicken für die Einführung</translation>
    </message>
</context>
<context>
    <name>velmora::ModelFiles</name>
    <message>
        <source>Open model</source>
        <translation>Modell öffnen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written: the fields of the main window do not all hold numbers</source>
        <translation>„%1“ wurde nicht geschrieben: Nicht alle Felder des Hauptfensters enthalten Zahlen</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Save as exercise</source>
        <translation>Als Übung speichern</translation>
    </message>
    <message>
        <source>The exercise file %1.
A file of that name that was already there is left as it was.</source>
        <translation>Die Übungsdatei %1.
Eine bereits vorhandene Datei dieses Namens bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>This model file was not opened:
%1

Nothing was changed.</source>
        <translation>Diese Modelldatei wurde nicht geöffnet:
%1

Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Modell speichern</translation>
    </message>
    <message>
        <source>The model file %1.
A file of that name that was already there is left as it was.</source>
        <extracomment>%1 says what went wrong (&quot;&quot;a.velmora&quot; could not be written: ...&quot;).</extracomment>
        <translation>Die Modelldatei %1.
Eine bereits vorhandene Datei dieses Namens bleibt, wie sie war.</translation>
    </message>
</context>
<context>
    <name>HistorySaver</name>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is too short.
The files are named after it without its last four characters, so it needs at least four after the folder.
Nothing was saved.</source>
        <translation>Der Name „%1“ ist zu kurz.
Die Dateien werden nach ihm ohne seine letzten vier Zeichen benannt; er braucht also mindestens vier nach dem Ordner.
Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written:
%2</source>
        <extracomment>%1 is a file name, %2 the reason the system gave.</extracomment>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden:
%2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written:
%2
The files after it were not written.</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden:
%2
Die Dateien danach wurden nicht geschrieben.</translation>
    </message>
</context>
<context>
    <name>velmora::copyrigh</name>
    <message>
        <source>Copyright</source>
        <translation>Urheberrecht</translation>
    </message>
    <message>
        <source>Emblem: an age pyramid of the four age classes, Velmora since 1997</source>
        <translation>Emblem: eine Alterspyramide der vier Altersklassen, Velmora seit 1997</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK: go on quitting</source>
        <translation>OK: weiter beenden</translation>
    </message>
</context>
<context>
    <name>velmora::Howto</name>
    <message>
        <source>How to</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK: back to the main window</source>
        <translation>OK: zurück zum Hauptfenster</translation>
    </message>
</context>
<context>
    <name>velmora::Introfrm</name>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Introduction to the model</source>
        <translation>Einführung in das Modell</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Literatur</translation>
    </message>
    <message>
        <source>References: the literature behind the model</source>
        <translation>Literatur: die Quellen des Modells</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK: back to the main window</source>
        <translation>OK: zurück zum Hauptfenster</translation>
    </message>
</context>
<context>
    <name>velmora::Prophecy</name>
    <message>
        <source>Velmora (II): press any key or click to go on</source>
        <translation>Velmora (II): zum Weitermachen eine Taste drücken oder klicken</translation>
    </message>
    <message>
        <source>Picture: the life cycle of the four age classes</source>
        <translation>Bild: der Lebenszyklus der vier Altersklassen</translation>
    </message>
</context>
<context>
    <name>velmora::Quiz</name>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Back to the mainform</source>
        <translation>Zurück zum Hauptfenster</translation>
    </message>
    <message>
        <source>Back to the main window</source>
        <translation>Zurück zum Hauptfenster</translation>
    </message>
</context>
<context>
    <name>velmora::Referenc</name>
    <message>
        <source>References</source>
        <translation>Literatur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK: back to the main window</source>
        <translation>OK: zurück zum Hauptfenster</translation>
    </message>
</context>
<context>
    <name>ScreenTexts</name>
    <message>
        <source>The Lewis-Leslie matrix was developed by Lewis (1942) and by Leslie (1945, 1948).</source>
        <translation>Die Lewis-Leslie-Matrix wurde von Lewis (1942) und von Leslie (1945, 1948) entwickelt.</translation>
    </message>
    <message>
        <source>The first row (the red numbers) of the square matrix contains the age-specific fecundities of each age group, the subdiagnol column (the blue numbers) contains the age-specific survival rates.</source>
        <translation>Die erste Zeile (die roten Zahlen) der quadratischen Matrix enthält die altersspezifischen Fruchtbarkeiten jeder Altersgruppe, die Nebendiagonale (die blauen Zahlen) die altersspezifischen Überlebensraten.</translation>
    </message>
    <message>
        <source>A single column matrix (vector) is used to represent the age structure of the population. As the time approaches infinity, the growth rate becomes constant and the age distribution becomes stable.</source>
        <translation>Eine Matrix aus einer Spalte (ein Vektor) stellt die Altersstruktur der Population dar. Geht die Zeit gegen unendlich, wird die Wachstumsrate konstant und die Altersverteilung stabil.</translation>
    </message>
    <message>
        <source>I strongly recommend that you learn the Lewis-Leslie matrix using the program Kolvan at first. Then you can learn the harvest theory based on age-specific life table.</source>
        <translation>Ich empfehle Ihnen sehr, die Lewis-Leslie-Matrix zuerst mit dem Programm Kolvan zu lernen. Danach können Sie die Theorie der Entnahme auf Grundlage der altersspezifischen Lebenstafel lernen.</translation>
    </message>
    <message>
        <source>This program Velmora (II) is designed for my ecological class.  You can use this program to simulate the growth of population under constant (daily) influence of harvest.  You will see how the harvest affects the growth.</source>
        <translation>Dieses Programm Velmora (II) ist für meinen Ökologieunterricht gedacht. Sie können damit das Wachstum einer Population unter ständiger (täglicher) Entnahme simulieren. Sie werden sehen, wie die Entnahme das Wachstum beeinflusst.</translation>
    </message>
    <message>
        <source>If the harvest rate is low, the growth rate will settle down to a stable rate as time approaching infinity. If the harvest rate is high, the growth of the population decreases. Eventually, the population decreases to zero.</source>
        <translation>Ist die Entnahme gering, pendelt sich die Wachstumsrate mit der Zeit auf einen stabilen Wert ein. Ist die Entnahme hoch, sinkt das Wachstum der Population. Schließlich sinkt die Population auf null.</translation>
    </message>
    <message>
        <source>You should learn to find a proper harvest rate and the stable age structure which can make the population self-sustained. A proper harvest rate here means the net reproductive rate Ro=1.</source>
        <translation>Lernen Sie, eine passende Entnahme und die stabile Altersstruktur zu finden, mit denen sich die Population selbst erhält. Passend heißt hier: die Nettoreproduktionsrate ist Ro=1.</translation>
    </message>
    <message>
        <source>Press on the graph button, you will see the change of the total population size, the change of growth rate, age-structure, and the age distribution. The harvest rate which make the population self-sustained can be solved numerically.</source>
        <translation>Mit der Schaltfläche Grafik sehen Sie den Verlauf der Gesamtgröße der Population, der Wachstumsrate, der Altersstruktur und der Altersverteilung. Die Entnahme, mit der sich die Population selbst erhält, lässt sich numerisch bestimmen.</translation>
    </message>
    <message>
        <source>The Lewis-Leslie matrix is valid for age-structured populations. However, it does not take the stage differentiation into account. It ignores the sexual differentiation too.</source>
        <translation>Die Lewis-Leslie-Matrix gilt für altersstrukturierte Populationen. Sie berücksichtigt jedoch keine Entwicklungsstadien. Auch die Geschlechter unterscheidet sie nicht.</translation>
    </message>
    <message>
        <source>For insect and mite populations, there are significant stage overlapping. It means that individuals of the same age may be in different developmental stage. Because individuals of different stages may be quite different in the susceptibility to insecticides, predation rate, vulnerability to predator, behavior, and others, it is important to take the age-stage structure into consideration.</source>
        <translation>Bei Insekten und Milben überlappen sich die Stadien stark: Gleich alte Individuen können in verschiedenen Entwicklungsstadien sein. Da sich Individuen verschiedener Stadien etwa in der Empfindlichkeit gegen Insektizide, der Fraßrate, der Gefährdung durch Räuber und im Verhalten deutlich unterscheiden können, ist es wichtig, die Alters-Stadien-Struktur zu berücksichtigen.</translation>
    </message>
    <message>
        <source>The program Peramo is designed for the raw data analysis and life table analysis. You are welcome to try it using your own data.  You will find it is very useful. Moreover, you will find (using your own data) that the two-sex life table theory is correct in both data analysis and theory.</source>
        <translation>Das Programm Peramo dient der Auswertung von Rohdaten und von Lebenstafeln. Probieren Sie es gern mit Ihren eigenen Daten aus. Sie werden es sehr nützlich finden. Außerdem werden Sie (mit Ihren eigenen Daten) sehen, dass die Theorie der zweigeschlechtlichen Lebenstafel in Datenanalyse und Theorie stimmt.</translation>
    </message>
    <message>
        <source>After you understand the two-sex life table, you can then learn the harvest theory based on the two-sex life table and the periodic harvest.</source>
        <translation>Wenn Sie die zweigeschlechtliche Lebenstafel verstanden haben, können Sie die Theorie der Entnahme auf Grundlage der zweigeschlechtlichen Lebenstafel und die periodische Entnahme lernen.</translation>
    </message>
    <message>
        <source>What is the total population size at t = 2?</source>
        <translation>Wie groß ist die Population insgesamt bei t = 2?</translation>
    </message>
    <message>
        <source>Which age class holds the most individuals at t = 4?</source>
        <translation>Welche Altersklasse hat bei t = 4 die meisten Individuen?</translation>
    </message>
    <message>
        <source>Does the growth rate settle down as t grows? Look at the graphs.</source>
        <translation>Wird die Wachstumsrate mit der Zeit stabil? Siehe Grafiken.</translation>
    </message>
    <message>
        <source>Click on  &quot;How To&quot; to see this page.</source>
        <translation>Klicken Sie auf „Hilfe“, um diese Seite zu sehen.</translation>
    </message>
    <message>
        <source>Click on  &quot;Quit&quot; to quit the program.</source>
        <translation>Klicken Sie auf „Ende“, um das Programm zu beenden.</translation>
    </message>
    <message>
        <source>Click Graph to see the graphs.</source>
        <translation>Klicken Sie auf „Grafik“, um die Grafiken zu sehen.</translation>
    </message>
    <message>
        <source>Click Intro to see the theoretical introduction.</source>
        <translation>Klicken Sie auf „Intro“ für die theoretische Einführung.</translation>
    </message>
    <message>
        <source>Click Project or the big right arrow sign to calculate the population structure N(t+1).</source>
        <translation>Klicken Sie auf „Rechnen“ oder den großen Pfeil nach rechts, um die Struktur N(t+1) zu berechnen.</translation>
    </message>
    <message>
        <source>Click Transit or the big left arrow sign to move the population structure to the left side.</source>
        <translation>Klicken Sie auf „Weiter“ oder den großen Pfeil nach links, um die Struktur nach links zu übernehmen.</translation>
    </message>
    <message>
        <source>Click Change Default Values to change the default values.</source>
        <translation>Klicken Sie auf „Startwerte ändern“, um sie zu ändern.</translation>
    </message>
    <message>
        <source>Click Print to print the page (your printer must be connected to LPT1).</source>
        <translation>Klicken Sie auf „Druck“, um die Seite zu drucken (der Drucker muss an LPT1 hängen).</translation>
    </message>
    <message>
        <source>Click the right mouse button on this main window (or press the Menu key) for analysis, model files, examples and more.</source>
        <translation>Rechte Maustaste in diesem Fenster (oder Menütaste): Analyse, Modelldateien, Beispiele und mehr.</translation>
    </message>
    <message>
        <source>This program is protected by national copyright laws and by international treaties.</source>
        <translation>Dieses Programm ist durch nationales Urheberrecht und internationale Verträge geschützt.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Copyright © %1 the Velmora project</source>
        <extracomment>%1 is the years, such as 1997-2026.</extracomment>
        <translation>Copyright © %1 Projekt Velmora</translation>
    </message>
    <message>
        <source>If you use this program in your research, please cite the following  reference in your paper:</source>
        <translation>Wenn Sie dieses Programm in Ihrer Forschung verwenden, zitieren Sie bitte in Ihrer Arbeit:</translation>
    </message>
    <message>
        <source>New versions can be obtained at %1
(the Velmora project site) or
%2
(the Velmora project mirror).</source>
        <extracomment>Four lines: %1 and %2 are web addresses.</extracomment>
        <translation>Neue Versionen gibt es unter %1
(Website des Projekts Velmora) oder
%2
(Spiegel des Projekts Velmora).</translation>
    </message>
    <message>
        <source>Velmora (II): an age-structured population under a constant harvest. Four age classes, 0 to 3. Newborns of classes 1, 2 and 3 enter class 0 (fecundities f1 = 1, f2 = 2, f3 = 1). A share of each class reaches the next age (survival rates s0 = 0.5, s1 = 1, s2 = 0.5). The harvest H0 = 5 leaves class 0 at every step. N(t+1) = M · N(t) − H; classes that would fall below zero are set to 0. Click or press a key to begin.</source>
        <translation>Velmora (II): eine altersstrukturierte Population unter konstanter Entnahme. Vier Altersklassen, 0 bis 3. Die Jungen der Klassen 1, 2 und 3 kommen in Klasse 0 (Fruchtbarkeiten f1 = 1, f2 = 2, f3 = 1). Ein Teil jeder Klasse erreicht das nächste Alter (Überlebensraten s0 = 0.5, s1 = 1, s2 = 0.5). Die Entnahme H0 = 5 verlässt Klasse 0 bei jedem Schritt. N(t+1) = M · N(t) − H; Klassen, die unter null fielen, werden auf 0 gesetzt. Klicken oder eine Taste drücken, um zu beginnen.</translation>
    </message>
    <message>
        <source>Age %1</source>
        <extracomment>The picture screen&apos;s words. %1 is the age class number, inside a small circle.</extracomment>
        <translation>Alter %1</translation>
    </message>
    <message>
        <source>An age-structured population under a constant harvest</source>
        <translation>Eine altersstrukturierte Population unter konstanter Entnahme</translation>
    </message>
    <message>
        <source>classes that would fall below zero are set to 0</source>
        <translation>Klassen, die unter null fielen, werden auf 0 gesetzt</translation>
    </message>
    <message>
        <source>Click or press a key to begin</source>
        <translation>Klicken oder eine Taste drücken, um zu beginnen</translation>
    </message>
    <message>
        <source>Quiz: step the default model</source>
        <translation>Quiz: Schritte im Standardmodell</translation>
    </message>
    <message>
        <source>Start with the default values: N(0) = 10, 10, 10, 10 and H = 5, 0, 0, 0. Use Project and Transit to answer:</source>
        <translation>Beginnen Sie mit den Startwerten: N(0) = 10, 10, 10, 10 und H = 5, 0, 0, 0. Antworten Sie mit „Rechnen“ und „Weiter“:</translation>
    </message>
    <message>
        <source>age classes</source>
        <extracomment>Under the emblem&apos;s age pyramid, in a narrow box.</extracomment>
        <translation>Altersklassen</translation>
    </message>
    <message>
        <source>since 1997</source>
        <translation>seit 1997</translation>
    </message>
    <message>
        <source>A new language: translations/velmora_xx.ts and a line in language/CMakeLists.txt (see the README).</source>
        <extracomment>How a class adds its own language: keep the file and folder names as they are.</extracomment>
        <translation>Neue Sprache: translations/velmora_xx.ts und eine Zeile in language/CMakeLists.txt.</translation>
    </message>
</context>
<context>
    <name>velmora::titlform</name>
    <message>
        <source>Velmora (II): press any key or click to start</source>
        <translation>Velmora (II): zum Starten eine Taste drücken oder klicken</translation>
    </message>
    <message>
        <source>Press any key or click mouse to start.</source>
        <translation>Taste drücken oder klicken zum Start.</translation>
    </message>
</context>
<context>
    <name>velmora::Vater</name>
    <message>
        <source>Dedication</source>
        <translation>Widmung</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <translation>Gott hab ihn selig</translation>
    </message>
    <message>
        <source>God rest his soul: end the program</source>
        <translation>Gott hab ihn selig: Programm beenden</translation>
    </message>
</context>
<context>
    <name>velmora::Navigation</name>
    <message>
        <source>Life cycle</source>
        <translation>Lebenszyklus</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>This exercise keeps the analysis windows closed while it is open: the answers are yours to find. Close the Exercise window to use them.</source>
        <translation>Diese Übung hält die Analysefenster geschlossen, solange sie offen ist: Die Antworten sollen Sie selbst finden. Schließen Sie das Fenster Übung, um sie zu benutzen.</translation>
    </message>
</context>
<context>
    <name>velmora::YieldWindow</name>
    <message>
        <source>quota</source>
        <translation>Quote</translation>
    </message>
    <message>
        <source>rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>escapement</source>
        <translation>Restbestand</translation>
    </message>
    <message>
        <source>K must be a number above 0: the density at which the population settles without harvest.</source>
        <translation>K muss eine Zahl über 0 sein: die Dichte, bei der sich die Population ohne Entnahme einpendelt.</translation>
    </message>
    <message>
        <source>Choose the stages counted in the density again.</source>
        <translation>Wählen Sie die in der Dichte gezählten Stadien neu.</translation>
    </message>
    <message>
        <source>Some stage never dies (I - U has no inverse), so R0 has no value and the density dependence cannot be set from K.</source>
        <translation>Ein Stadium stirbt nie (I - U hat keine Inverse), daher hat R0 keinen Wert, und die Dichteabhängigkeit lässt sich nicht aus K bestimmen.</translation>
    </message>
    <message>
        <source>R0 = %1: a population that cannot more than replace itself even when sparse never settles at K, and no harvest of it lasts.</source>
        <translation>R0 = %1: Eine Population, die sich selbst bei geringer Dichte nicht mehr als ersetzt, pendelt sich nie bei K ein, und keine Entnahme aus ihr ist von Dauer.</translation>
    </message>
    <message>
        <source>The model does not pass its checks: mend it in the Life cycle window first.</source>
        <translation>Das Modell besteht seine Prüfungen nicht: Berichtigen Sie es zuerst im Fenster Lebenszyklus.</translation>
    </message>
    <message>
        <source>Harvest and yield</source>
        <translation>Entnahme und Ertrag</translation>
    </message>
    <message>
        <source>Beverton-Holt: F / (1 + b D)</source>
        <translation>Beverton-Holt: F / (1 + b D)</translation>
    </message>
    <message>
        <source>Ricker: F exp(-b D)</source>
        <translation>Ricker: F exp(-b D)</translation>
    </message>
    <message>
        <source>Ceiling: D at most K</source>
        <translation>Obergrenze: D höchstens K</translation>
    </message>
    <message>
        <source>Density dependence</source>
        <translation>Dichteabhängigkeit</translation>
    </message>
    <message>
        <source>K, the density at rest without harvest</source>
        <translation>K, die Dichte im Gleichgewicht ohne Entnahme</translation>
    </message>
    <message>
        <source>D, the sum of the counted stages, settles at K without harvest</source>
        <translation>D, die Summe der gezählten Stadien, pendelt sich ohne Entnahme bei K ein</translation>
    </message>
    <message>
        <source>Stages counted in the density</source>
        <translation>In der Dichte gezählte Stadien</translation>
    </message>
    <message>
        <source>Stages harvested</source>
        <translation>Stadien mit Entnahme</translation>
    </message>
    <message>
        <source>&amp;Density dependence</source>
        <translation>&amp;Dichteabhängigkeit</translation>
    </message>
    <message>
        <source>&amp;K</source>
        <translation>&amp;K</translation>
    </message>
    <message>
        <source>Stages &amp;counted in D</source>
        <translation>In D &amp;gezählte Stadien</translation>
    </message>
    <message>
        <source>Stages &amp;harvested</source>
        <translation>Stadien mit &amp;Entnahme</translation>
    </message>
    <message>
        <source>Co&amp;mpute</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Progress of the curves</source>
        <translation>Fortschritt der Kurven</translation>
    </message>
    <message>
        <source>Chart: the yield of each way against its level</source>
        <translation>Diagramm: der Ertrag jeder Entnahmeart gegen ihr Niveau</translation>
    </message>
    <message>
        <source>Chart: the population after one bad year, each way at 90 % of its MSY</source>
        <translation>Diagramm: die Population nach einem schlechten Jahr, jede Entnahmeart bei 90 % ihres MSY</translation>
    </message>
    <message>
        <source>Loss in the bad year, percent of every stage</source>
        <translation>Verlust im schlechten Jahr, Prozent jedes Stadiums</translation>
    </message>
    <message>
        <source>&amp;Loss in the bad year, % of every stage</source>
        <translation>&amp;Verlust im schlechten Jahr, % jedes Stadiums</translation>
    </message>
    <message>
        <source>Each way&apos;s MSY and its edge</source>
        <translation>MSY jeder Entnahmeart und ihre Grenze</translation>
    </message>
    <message>
        <source>Way</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>MSY</source>
        <translation>MSY</translation>
    </message>
    <message>
        <source>at</source>
        <translation>bei</translation>
    </message>
    <message>
        <source>Total at MSY</source>
        <translation>Summe bei MSY</translation>
    </message>
    <message>
        <source>90 % of MSY at</source>
        <translation>90 % MSY bei</translation>
    </message>
    <message>
        <source>Total there</source>
        <translation>Summe dort</translation>
    </message>
    <message>
        <source>Unstable rest</source>
        <translation>Instabile Ruhe</translation>
    </message>
    <message>
        <source>Fatal loss</source>
        <translation>Fataler Verlust</translation>
    </message>
    <message>
        <source>Risk there</source>
        <translation>Risiko dort</translation>
    </message>
    <message>
        <source>Under a quota, the total of the rest point below the settled one: a population pushed below it falls to 0</source>
        <translation>Unter einer Quote die Summe des Ruhepunkts unterhalb des erreichten: Eine Population, die darunter gedrückt wird, fällt auf 0</translation>
    </message>
    <message>
        <source>The smallest share of every stage lost in one bad year, at 90 % of MSY, after which the population falls to 0</source>
        <translation>Der kleinste Anteil jedes Stadiums, der in einem schlechten Jahr bei 90 % des MSY verloren geht und nach dem die Population auf 0 fällt</translation>
    </message>
    <message>
        <source>The chance of falling below the threshold within the steps of the Risk window, under its variation and seed, from the total there</source>
        <translation>Die Wahrscheinlichkeit, innerhalb der Schritte des Risikofensters unter die Schwelle zu fallen, mit dessen Schwankung und Startwert, ausgehend von der Summe dort</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Check at least one stage to count in the density.</source>
        <translation>Haken Sie mindestens ein Stadium an, das in der Dichte gezählt wird.</translation>
    </message>
    <message>
        <source>Check at least one stage to harvest.</source>
        <translation>Haken Sie mindestens ein Stadium für die Entnahme an.</translation>
    </message>
    <message>
        <source>Tracing the yield curves...</source>
        <translation>Die Ertragskurven werden gezeichnet...</translation>
    </message>
    <message>
        <source>The work could not start a thread (%1).</source>
        <translation>Die Berechnung konnte keinen Thread starten (%1).</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>Cancelled: no curve is shown.</source>
        <translation>Abgebrochen: Es wird keine Kurve gezeigt.</translation>
    </message>
    <message>
        <source>No positive population rests at K without harvest, so there is no yield curve to draw.</source>
        <translation>Keine positive Population bleibt ohne Entnahme bei K, daher gibt es keine Ertragskurve zu zeichnen.</translation>
    </message>
    <message>
        <source>Choose the stages harvested again.</source>
        <translation>Wählen Sie die Stadien mit Entnahme neu.</translation>
    </message>
    <message>
        <source>At 90 % of its MSY, one bad year sends the population to 0 under %1.</source>
        <translation>Bei 90 % des MSY bringt ein schlechtes Jahr die Population auf 0 unter %1.</translation>
    </message>
    <message>
        <source>no way</source>
        <translation>keiner Entnahmeart</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>The risks were not run: %1</source>
        <translation>Die Risiken wurden nicht berechnet: %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Under variation (survival CV %1, fecundity CV %2%3; %4 replicates, seed %5), the chance of falling below %6 within %7 steps, each way at 90 % of its MSY: %8.</source>
        <translation>Bei Schwankungen (VK Überleben %1, VK Fruchtbarkeit %2%3; %4 Wiederholungen, Startwert %5) ist die Wahrscheinlichkeit, innerhalb von %7 Schritten unter %6 zu fallen, jede Entnahmeart bei 90 % ihres MSY: %8.</translation>
    </message>
    <message>
        <source>, whole animals</source>
        <translation>, ganze Tiere</translation>
    </message>
    <message>
        <source>Q, h or E as a share of its range</source>
        <translation>Q, h oder E als Anteil ihres Bereichs</translation>
    </message>
    <message>
        <source>yield a step</source>
        <translation>Ertrag je Schritt</translation>
    </message>
    <message>
        <source>MSY, %1</source>
        <translation>MSY, %1</translation>
    </message>
    <message>
        <source>%1: yield %2</source>
        <translation>%1: Ertrag %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>none short of all</source>
        <translation>nur alles</translation>
    </message>
    <message>
        <source>The loss is a percentage from 0 to 100.</source>
        <translation>Der Verlust ist ein Prozentsatz von 0 bis 100.</translation>
    </message>
    <message>
        <source>t; the bad year strikes at t = 1</source>
        <translation>t; das schlechte Jahr trifft bei t = 1 ein</translation>
    </message>
    <message>
        <source>N(t), total</source>
        <translation>N(t), gesamt</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>the quota</source>
        <extracomment>As in &quot;under the quota&quot;; &quot;under %1 it recovers&quot; puts it after &quot;under&quot;.</extracomment>
        <translation>der Quote</translation>
    </message>
    <message>
        <source>the rate</source>
        <translation>der Rate</translation>
    </message>
    <message>
        <source>the escapement</source>
        <translation>dem Restbestand</translation>
    </message>
    <message>
        <source>Under the quota the population has no stable rest at its MSY: the yield is the mean over a cycle of %1 steps.</source>
        <translation>Unter der Quote hat die Population bei ihrem MSY kein stabiles Gleichgewicht: Der Ertrag ist der Mittelwert über einen Zyklus von %1 Schritten.</translation>
    </message>
    <message>
        <source>Under the rate the population has no stable rest at its MSY: the yield is the mean over a cycle of %1 steps.</source>
        <translation>Unter der Rate hat die Population bei ihrem MSY kein stabiles Gleichgewicht: Der Ertrag ist der Mittelwert über einen Zyklus von %1 Schritten.</translation>
    </message>
    <message>
        <source>Under the escapement the population has no stable rest at its MSY: the yield is the mean over a cycle of %1 steps.</source>
        <translation>Unter dem Restbestand hat die Population bei ihrem MSY kein stabiles Gleichgewicht: Der Ertrag ist der Mittelwert über einen Zyklus von %1 Schritten.</translation>
    </message>
    <message>
        <source>Under the quota the population has no stable rest at its MSY: it swings irregularly (chaos), and the yield is the mean over 600 steps.</source>
        <translation>Unter der Quote hat die Population bei ihrem MSY kein stabiles Gleichgewicht: Sie schwankt unregelmäßig (Chaos), und der Ertrag ist der Mittelwert über 600 Schritte.</translation>
    </message>
    <message>
        <source>Under the rate the population has no stable rest at its MSY: it swings irregularly (chaos), and the yield is the mean over 600 steps.</source>
        <translation>Unter der Rate hat die Population bei ihrem MSY kein stabiles Gleichgewicht: Sie schwankt unregelmäßig (Chaos), und der Ertrag ist der Mittelwert über 600 Schritte.</translation>
    </message>
    <message>
        <source>Under the escapement the population has no stable rest at its MSY: it swings irregularly (chaos), and the yield is the mean over 600 steps.</source>
        <translation>Unter dem Restbestand hat die Population bei ihrem MSY kein stabiles Gleichgewicht: Sie schwankt unregelmäßig (Chaos), und der Ertrag ist der Mittelwert über 600 Schritte.</translation>
    </message>
    <message>
        <source>%1 after a loss of %2</source>
        <extracomment>%1 is a way with its article (&quot;the quota&quot;), %2 a percentage.</extracomment>
        <translation>%1 nach einem Verlust von %2</translation>
    </message>
    <message>
        <source>Under %1 it recovers from any loss short of all.</source>
        <extracomment>%1 names one to three ways with their articles (&quot;the quota and the rate&quot;).</extracomment>
        <translation>Unter %1 erholt sie sich von jedem Verlust, der nicht alles nimmt.</translation>
    </message>
</context>
<context>
    <name>Density</name>
    <message>
        <source>K, the density at rest, must be a number above 0.</source>
        <translation>K, die Dichte im Gleichgewicht, muss eine Zahl über 0 sein.</translation>
    </message>
    <message>
        <source>The stages counted in the density must be stages of the model, each named once.</source>
        <translation>Die in der Dichte gezählten Stadien müssen Stadien des Modells sein, jedes nur einmal genannt.</translation>
    </message>
    <message>
        <source>A stage never dies, so R0 has no value and K cannot set the density dependence.</source>
        <translation>Ein Stadium stirbt nie, daher hat R0 keinen Wert und K kann die Dichteabhängigkeit nicht festlegen.</translation>
    </message>
    <message>
        <source>R0 is %1: a population that cannot more than replace itself when sparse never settles at K.</source>
        <extracomment>%1 is the net reproductive rate R0 of the life cycle, at most 1.</extracomment>
        <translation>R0 ist %1: Eine Population, die sich bei geringer Dichte nicht mehr als ersetzen kann, pendelt sich nie bei K ein.</translation>
    </message>
    <message>
        <source>The life cycle does not pass its checks, so it cannot take density dependence.</source>
        <translation>Der Lebenszyklus besteht seine Prüfungen nicht und kann daher keine Dichteabhängigkeit erhalten.</translation>
    </message>
</context>
<context>
    <name>Stochastic</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list: &quot;s0, s1 and s2&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>The number of replicates must be from 1 to %1.</source>
        <translation>Die Zahl der Wiederholungen muss zwischen 1 und %1 liegen.</translation>
    </message>
    <message>
        <source>The number of steps must be from 1 to %1.</source>
        <translation>Die Zahl der Schritte muss zwischen 1 und %1 liegen.</translation>
    </message>
    <message>
        <source>The seed must be from 0 to %1.</source>
        <translation>Der Startwert muss zwischen 0 und %1 liegen.</translation>
    </message>
    <message>
        <source>The number of threads must be from 1 to %1.</source>
        <translation>Die Zahl der Threads muss zwischen 1 und %1 liegen.</translation>
    </message>
    <message>
        <source>The survival CV must be a number of at least 0.</source>
        <extracomment>CV: coefficient of variation.</extracomment>
        <translation>Der Variationskoeffizient (CV) der Überlebensrate muss eine Zahl von mindestens 0 sein.</translation>
    </message>
    <message>
        <source>The fecundity CV must be a number from 0 to %1.</source>
        <translation>Der CV der Fruchtbarkeit muss eine Zahl zwischen 0 und %1 sein.</translation>
    </message>
    <message>
        <source>The threshold must be a number of at least 0.</source>
        <translation>Die Schwelle muss eine Zahl von mindestens 0 sein.</translation>
    </message>
    <message>
        <source>The harvested stages must be stages of the model, each named once.</source>
        <translation>Die Stadien mit Entnahme müssen Stadien des Modells sein, jedes nur einmal genannt.</translation>
    </message>
    <message>
        <source>The level of the harvest must be a number of at least 0.</source>
        <translation>Die Höhe der Entnahme muss eine Zahl von mindestens 0 sein.</translation>
    </message>
    <message>
        <source>A harvest rate is a share from 0 to 1.</source>
        <translation>Eine Entnahmerate ist ein Anteil zwischen 0 und 1.</translation>
    </message>
    <message>
        <source>The run could not start a worker thread (%1); close other programs or ask for fewer threads.</source>
        <extracomment>%1 is the system&apos;s reason, in English.</extracomment>
        <translation>Der Lauf konnte keinen Arbeits-Thread starten (%1); schließen Sie andere Programme oder wählen Sie weniger Threads.</translation>
    </message>
    <message>
        <source>The fecundity %1 = %2 must be a number of at least 0.</source>
        <extracomment>%1 is the rate&apos;s symbol &quot;f2&quot;, %2 its value.</extracomment>
        <translation>Die Fruchtbarkeit %1 = %2 muss eine Zahl von mindestens 0 sein.</translation>
    </message>
    <message>
        <source>The survival rate %1 = %2 must be from 0 to 1.</source>
        <extracomment>%1 is the rate&apos;s symbol &quot;s0&quot;, %2 its value.</extracomment>
        <translation>Die Überlebensrate %1 = %2 muss zwischen 0 und 1 liegen.</translation>
    </message>
    <message>
        <source>N(t) must hold numbers of at least 0.</source>
        <translation>N(t) muss Zahlen von mindestens 0 enthalten.</translation>
    </message>
    <message>
        <source>H must hold numbers of at least 0.</source>
        <translation>H muss Zahlen von mindestens 0 enthalten.</translation>
    </message>
    <message>
        <source>A life cycle has from 1 to %1 stages.</source>
        <translation>Ein Lebenszyklus hat 1 bis %1 Stadien.</translation>
    </message>
    <message>
        <source>The survival of stage %1 (its column of U) sums to more than 1.</source>
        <extracomment>%1 is the name of a stage, as the user typed it.</extracomment>
        <translation>Das Überleben von Stadium %1 (seine Spalte von U) summiert sich auf mehr als 1.</translation>
    </message>
    <message>
        <source>The life cycle must hold numbers of at least 0.</source>
        <translation>Der Lebenszyklus muss Zahlen von mindestens 0 enthalten.</translation>
    </message>
    <message>
        <source>Every matrix and vector of the life cycle must match its number of stages.</source>
        <translation>Jede Matrix und jeder Vektor des Lebenszyklus muss zur Zahl seiner Stadien passen.</translation>
    </message>
    <message>
        <source>Every stage needs a name of its own.</source>
        <translation>Jedes Stadium braucht einen eigenen Namen.</translation>
    </message>
    <message>
        <source>Risk of falling below %1 within 1 step: %2 % (95 % interval %3 - %4 %)</source>
        <extracomment>%1 is a number of animals, %2 the risk in %, %3 - %4 its 95 % interval.</extracomment>
        <translation>Risiko, innerhalb von 1 Schritt unter %1 zu fallen: %2 % (95-%-Intervall %3 - %4 %)</translation>
    </message>
    <message>
        <source>Risk of falling below %1 within %2 steps: %3 % (95 % interval %4 - %5 %)</source>
        <extracomment>%1 is a number of animals, %2 a number of steps, %3 the risk in %, %4 - %5 its 95 % interval.</extracomment>
        <translation>Risiko, innerhalb von %2 Schritten unter %1 zu fallen: %3 % (95-%-Intervall %4 - %5 %)</translation>
    </message>
    <message>
        <source>Risk of dying out within 1 step: %1 % (95 % interval %2 - %3 %)</source>
        <extracomment>%1 is the risk in %, %2 - %3 its 95 % interval.</extracomment>
        <translation>Risiko, innerhalb von 1 Schritt auszusterben: %1 % (95-%-Intervall %2 - %3 %)</translation>
    </message>
    <message>
        <source>Risk of dying out within %1 steps: %2 % (95 % interval %3 - %4 %)</source>
        <extracomment>%1 is a number of steps, %2 the risk in %, %3 - %4 its 95 % interval.</extracomment>
        <translation>Risiko, innerhalb von %1 Schritten auszusterben: %2 % (95-%-Intervall %3 - %4 %)</translation>
    </message>
    <message>
        <source>A survival CV of %1 is too large for %2: it varies with a CV of %3, the largest its beta distribution allows.</source>
        <extracomment>%1 is the CV asked for, %2 a survival rate &quot;s1 = 0.9&quot;, %3 the CV it takes.</extracomment>
        <translation>Ein CV der Überlebensrate von %1 ist zu groß für %2: Sie schwankt mit einem CV von %3, dem größten, den ihre Beta-Verteilung zulässt.</translation>
    </message>
    <message>
        <source>A survival CV of %1 is too large for %2: they vary with CVs of %3, the largest their beta distributions allow.</source>
        <extracomment>%1 is the CV asked for, %2 lists survival rates &quot;s1 = 0.9 and s2 = 0.95&quot;, %3 the CVs they take.</extracomment>
        <translation>Ein CV der Überlebensrate von %1 ist zu groß für %2: Sie schwanken mit CVs von %3, den größten, die ihre Beta-Verteilungen zulassen.</translation>
    </message>
    <message>
        <source>%1 = 1 is held fixed whatever the CV.</source>
        <extracomment>%1 is a survival rate &quot;s2&quot;.</extracomment>
        <translation>%1 = 1 bleibt unabhängig vom CV fest.</translation>
    </message>
    <message>
        <source>%1 = 1 are held fixed whatever the CV.</source>
        <extracomment>%1 lists survival rates &quot;s1 and s2&quot;.</extracomment>
        <translation>%1 = 1 bleiben unabhängig vom CV fest.</translation>
    </message>
    <message>
        <source>The beta of %1 is U-shaped: years in which nearly none or nearly all survive are the likeliest.</source>
        <extracomment>%1 is a survival rate with its beta&apos;s shape: &quot;s0 (a = 0.5, b = 0.4)&quot;.</extracomment>
        <translation>Die Beta-Verteilung von %1 ist U-förmig: Jahre, in denen fast keine oder fast alle überleben, sind am wahrscheinlichsten.</translation>
    </message>
    <message>
        <source>The betas of %1 are U-shaped: years in which nearly none or nearly all survive are the likeliest.</source>
        <translation>Die Beta-Verteilungen von %1 sind U-förmig: Jahre, in denen fast keine oder fast alle überleben, sind am wahrscheinlichsten.</translation>
    </message>
</context>
<context>
    <name>AnalysisReport</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list: &quot;a, b and c&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>class %1</source>
        <extracomment>%1 is the number of an age class: &quot;class 2&quot;.</extracomment>
        <translation>Klasse %1</translation>
    </message>
    <message>
        <source>stage %1</source>
        <extracomment>%1 is the name of a stage of a life cycle: &quot;stage seeds&quot;.</extracomment>
        <translation>Stadium %1</translation>
    </message>
    <message>
        <source>classes %1</source>
        <extracomment>%1 lists the numbers of age classes: &quot;classes 1 and 2&quot;.</extracomment>
        <translation>Klassen %1</translation>
    </message>
    <message>
        <source>stages %1</source>
        <extracomment>%1 lists the names of stages: &quot;stages seeds and rosettes&quot;.</extracomment>
        <translation>Stadien %1</translation>
    </message>
    <message>
        <source>total</source>
        <extracomment>Column header: the sum of all stages.</extracomment>
        <translation>Summe</translation>
    </message>
    <message>
        <source>The eigenvalue computation did not converge for this matrix: no eigen-figures are given.</source>
        <translation>Die Eigenwertberechnung konvergierte für diese Matrix nicht: Es werden keine Eigen-Kennzahlen angegeben.</translation>
    </message>
    <message>
        <source>%1 has a negative entry, so it is not a population matrix: lambda and the figures that rest on it do not exist.</source>
        <extracomment>%1 is the letter of the projection matrix (M or A).</extracomment>
        <translation>%1 hat einen negativen Eintrag und ist daher keine Populationsmatrix: Lambda und die Kennzahlen, die darauf beruhen, gibt es nicht.</translation>
    </message>
    <message>
        <source>No stage ever leads back to births: every population is gone within %1 steps.</source>
        <translation>Kein Stadium führt je zu Geburten zurück: Jede Population ist innerhalb von %1 Schritten verschwunden.</translation>
    </message>
    <message>
        <source>No class ever leads back to births: every population is gone within four steps.</source>
        <translation>Keine Klasse führt je zu Geburten zurück: Jede Population ist innerhalb von vier Schritten verschwunden.</translation>
    </message>
    <message>
        <source>lambda and the other eigenvalues were found, but the eigenvector step failed for this matrix: the stable distribution, the reproductive values and what rests on them are not given.</source>
        <translation>Lambda und die anderen Eigenwerte wurden gefunden, aber die Berechnung des Eigenvektors schlug für diese Matrix fehl: Die stabile Verteilung, die reproduktiven Werte und was darauf beruht, werden nicht angegeben.</translation>
    </message>
    <message>
        <source>lambda = 1 to within rounding: without harvest the population neither grows nor declines in the long run.</source>
        <translation>Lambda = 1 bis auf Rundung: Ohne Entnahme wächst die Population auf lange Sicht weder, noch nimmt sie ab.</translation>
    </message>
    <message>
        <source>%1 is reducible, so the stable distribution is not reached from every start.</source>
        <translation>%1 ist reduzibel, daher wird die stabile Verteilung nicht von jedem Start aus erreicht.</translation>
    </message>
    <message>
        <source>Members of %1 never lead to new births: a population of these alone dies out.</source>
        <extracomment>%1 names classes or stages: &quot;classes 2 and 3&quot;.</extracomment>
        <translation>Tiere aus %1 führen nie zu neuen Geburten: Eine Population nur aus ihnen stirbt aus.</translation>
    </message>
    <message>
        <source>The offspring of %1 never reach %2.</source>
        <translation>Die Nachkommen von %1 erreichen nie %2.</translation>
    </message>
    <message>
        <source>%1 is imprimitive (period %2): N(t) keeps oscillating with this period instead of settling into the stable distribution.</source>
        <translation>%1 ist imprimitiv (Periode %2): N(t) schwingt immer weiter mit dieser Periode, statt sich in der stabilen Verteilung einzupendeln.</translation>
    </message>
    <message>
        <source>%1 is primitive (some power of %1 has no zero cell): from every start N(t) approaches the stable distribution.</source>
        <translation>%1 ist primitiv (eine Potenz von %1 hat keine Null-Zelle): Von jedem Start aus nähert sich N(t) der stabilen Verteilung.</translation>
    </message>
    <message>
        <source>Another eigenvalue is as large as lambda in modulus: N(t) need not settle into the stable distribution.</source>
        <translation>Ein anderer Eigenwert ist betragsmäßig so groß wie Lambda: N(t) muss sich nicht in der stabilen Verteilung einpendeln.</translation>
    </message>
    <message>
        <source>The dominant eigenvalue is repeated: the long-run distribution depends on the start.</source>
        <translation>Der dominante Eigenwert ist mehrfach: Die Verteilung auf lange Sicht hängt vom Start ab.</translation>
    </message>
    <message>
        <source>A is ergodic: every stage has a reproductive value above 0, so every start ends in the same stable distribution.</source>
        <translation>A ist ergodisch: Jedes Stadium hat einen reproduktiven Wert über 0, daher endet jeder Start in derselben stabilen Verteilung.</translation>
    </message>
    <message>
        <source>A is not ergodic: %1 never lead to reproduction, so their reproductive value is 0.</source>
        <translation>A ist nicht ergodisch: %1 führen nie zur Fortpflanzung, daher ist ihr reproduktiver Wert 0.</translation>
    </message>
    <message>
        <source>A is not ergodic: some stage has a reproductive value of 0.</source>
        <translation>A ist nicht ergodisch: Ein Stadium hat den reproduktiven Wert 0.</translation>
    </message>
    <message>
        <source>%1 animal</source>
        <translation>%1 Tier</translation>
    </message>
    <message>
        <source>%1 animals</source>
        <extracomment>%1 is a number of animals other than 1: &quot;0.5 animals&quot;, &quot;2 animals&quot;.</extracomment>
        <translation>%1 Tiere</translation>
    </message>
    <message>
        <source>at %1 or more</source>
        <extracomment>What N(t) keeps, after &quot;N(t) stays&quot;: %1 is &quot;1 animal&quot; or &quot;2.5 animals&quot;.</extracomment>
        <translation>bei %1 oder mehr</translation>
    </message>
    <message>
        <source>above 0</source>
        <extracomment>What N(t) keeps, after &quot;N(t) stays&quot;.</extracomment>
        <translation>über 0</translation>
    </message>
    <message>
        <source>none: with lambda = 1 no constant harvest is sustainable for ever.</source>
        <translation>keine: Bei Lambda = 1 ist keine konstante Entnahme auf Dauer nachhaltig.</translation>
    </message>
    <message>
        <source>none: with lambda below 1 no constant harvest is sustainable for ever.</source>
        <translation>keine: Bei Lambda unter 1 ist keine konstante Entnahme auf Dauer nachhaltig.</translation>
    </message>
    <message>
        <source>N(t) already totals less than %1: the population counts as gone.</source>
        <translation>N(t) hat schon insgesamt weniger als %1: Die Population gilt als verschwunden.</translation>
    </message>
    <message>
        <source>falls below %1 at %2 (step %3 from now): the population counts as gone.</source>
        <extracomment>Said of N(t): %1 is &quot;1 animal&quot;, %2 a time &quot;t = 7&quot;, %3 a number of steps.</extracomment>
        <translation>fällt bei %2 unter %1 (Schritt %3 ab jetzt): Die Population gilt als verschwunden.</translation>
    </message>
    <message>
        <source>grows without bound: beyond the range of numbers at %1 (step %2).</source>
        <extracomment>Said of N(t): %1 is a time &quot;t = 7&quot;, %2 a number of steps.</extracomment>
        <translation>wächst ohne Grenze: bei %1 jenseits des Zahlenbereichs (Schritt %2).</translation>
    </message>
    <message>
        <source>grows without bound: total %1 at %2 and still growing.</source>
        <extracomment>Said of N(t): %1 is its total, %2 a time &quot;t = 1000&quot;.</extracomment>
        <translation>wächst ohne Grenze: Summe %1 bei %2 und wächst weiter.</translation>
    </message>
    <message>
        <source>settles at %1, total %2.</source>
        <extracomment>Said of N(t): %1 is the vector it settles at, %2 its total.</extracomment>
        <translation>pendelt sich bei %1 ein, Summe %2.</translation>
    </message>
    <message>
        <source>reaches 0: the projection to %1 (step %2 from now) is rejected.</source>
        <extracomment>Said of N(t): %1 is a time &quot;t = 7&quot;, %2 a number of steps.</extracomment>
        <translation>erreicht 0: Die Projektion auf %1 (Schritt %2 ab jetzt) wird abgelehnt.</translation>
    </message>
    <message>
        <source>N(t) is already 0: the next projection ends the simulation.</source>
        <translation>N(t) ist schon 0: Die nächste Projektion beendet die Simulation.</translation>
    </message>
    <message>
        <source>declines towards 0 without reaching it within %1 steps (total %2 at %3).</source>
        <extracomment>Said of N(t): %1 is a number of steps, %2 its total, %3 a time &quot;t = 1000&quot;.</extracomment>
        <translation>nimmt gegen 0 ab, ohne sie innerhalb von %1 Schritten zu erreichen (Summe %2 bei %3).</translation>
    </message>
    <message>
        <source>neither grows, settles nor reaches 0 within %1 steps.</source>
        <extracomment>Said of N(t): %1 is a number of steps.</extracomment>
        <translation>wächst weder, pendelt sich nicht ein und erreicht 0 nicht innerhalb von %1 Schritten.</translation>
    </message>
    <message>
        <source>Harvest equilibrium N* = (%1 - I)^-1 H</source>
        <translation>Entnahme-Gleichgewicht N* = (%1 - I)^-1 H</translation>
    </message>
    <message>
        <source>%1 - I is singular (%1 has the eigenvalue 1): there is no single harvest equilibrium.</source>
        <translation>%1 - I ist singulär (%1 hat den Eigenwert 1): Es gibt kein eindeutiges Gleichgewicht unter Entnahme.</translation>
    </message>
    <message>
        <source>N* = %1 has a negative class: no population stays unchanged under this harvest.</source>
        <translation>N* = %1 hat eine negative Klasse: Keine Population bleibt unter dieser Entnahme unverändert.</translation>
    </message>
    <message>
        <source>N* = %1 has a negative stage: no population stays unchanged under this harvest.</source>
        <translation>N* = %1 hat ein negatives Stadium: Keine Population bleibt unter dieser Entnahme unverändert.</translation>
    </message>
    <message>
        <source>Without harvest the only equilibrium is the empty population.</source>
        <translation>Ohne Entnahme ist das einzige Gleichgewicht die leere Population.</translation>
    </message>
    <message>
        <source>Unstable, and not by its total: a population whose reproductive value v.N lies above v.N* grows, one below it dies out, whatever its total.</source>
        <translation>Instabil, und nicht nach der Summe: Eine Population, deren reproduktiver Wert v.N über v.N* liegt, wächst, eine darunter stirbt aus, egal wie groß ihre Summe ist.</translation>
    </message>
    <message>
        <source>v.N(t) = %1 lies above v.N*: v.N(t+1) = lambda v.N(t) - v.H grows every step, so N(t) grows for ever under H.</source>
        <translation>v.N(t) = %1 liegt über v.N*: v.N(t+1) = Lambda v.N(t) - v.H wächst jeden Schritt, daher wächst N(t) unter H für immer.</translation>
    </message>
    <message>
        <source>lambda = 1 and H takes nothing of v.N(t): it stays at %1.</source>
        <translation>Lambda = 1 und H nimmt nichts von v.N(t): Es bleibt bei %1.</translation>
    </message>
    <message>
        <source>v.N(t) = %1 equals v.N*: it stays there, a knife edge that the least change tips.</source>
        <translation>v.N(t) = %1 ist gleich v.N*: Es bleibt dort, auf Messers Schneide, die kleinste Änderung kippt es.</translation>
    </message>
    <message>
        <source>v.N(t) = 0: N(t) holds no animal that will still breed, so it dies out.</source>
        <translation>v.N(t) = 0: N(t) enthält kein Tier, das sich noch fortpflanzen wird, daher stirbt es aus.</translation>
    </message>
    <message>
        <source>lambda is below 1: v.N(t) falls even without harvest, and N(t) with it. No constant harvest is sustainable for ever.</source>
        <translation>Lambda liegt unter 1: v.N(t) fällt auch ohne Entnahme, und N(t) mit ihm. Keine konstante Entnahme ist auf Dauer nachhaltig.</translation>
    </message>
    <message>
        <source>lambda = 1: v.N(t) falls by v.H = %1 every step, so any constant harvest empties the population in the end, after about v.N(t) / v.H = %2 steps.</source>
        <translation>Lambda = 1: v.N(t) fällt jeden Schritt um v.H = %1, daher leert jede konstante Entnahme die Population am Ende, nach etwa v.N(t) / v.H = %2 Schritten.</translation>
    </message>
    <message>
        <source>v.N(t) = %1 lies below v.N*: v.N(t) falls faster every step, so N(t) falls to 0 under H.</source>
        <translation>v.N(t) = %1 liegt unter v.N*: v.N(t) fällt jeden Schritt schneller, daher fällt N(t) unter H auf 0.</translation>
    </message>
    <message>
        <source>The rule said otherwise, but in step %1 H takes more than a class holds: from then on the harvest takes less than H and the rule no longer holds.</source>
        <translation>Die Regel sagte etwas anderes, aber in Schritt %1 nimmt H mehr, als eine Klasse enthält: Ab dann nimmt die Entnahme weniger als H und die Regel gilt nicht mehr.</translation>
    </message>
    <message>
        <source>The rule said otherwise, but in step %1 H takes more than a stage holds: from then on the harvest takes less than H and the rule no longer holds.</source>
        <translation>Die Regel sagte etwas anderes, aber in Schritt %1 nimmt H mehr, als ein Stadium enthält: Ab dann nimmt die Entnahme weniger als H und die Regel gilt nicht mehr.</translation>
    </message>
    <message>
        <source>The rule says it is lost, only later than the %1 steps the projection runs.</source>
        <translation>Nach der Regel ist sie verloren, nur später als nach den %1 Schritten, die die Projektion läuft.</translation>
    </message>
    <message>
        <source>The rule said it grows, but on the way N(t) dips below %1.</source>
        <translation>Nach der Regel wächst sie, aber unterwegs fällt N(t) unter %1.</translation>
    </message>
    <message>
        <source>H is 0: s* x %1 = %2 is the most that N(t) yields for ever, as long as no class runs short of it, so that every step&apos;s harvest is taken in full.</source>
        <extracomment>%1 is the unit harvest (1, 0, 0, 0), %2 the largest harvest in its direction.</extracomment>
        <translation>H ist 0: s* x %1 = %2 ist das Meiste, was N(t) auf Dauer hergibt, solange keiner Klasse etwas davon fehlt, sodass die Entnahme jedes Schritts ganz genommen wird.</translation>
    </message>
    <message>
        <source>H is 0: s* x %1 = %2 is the most that N(t) yields for ever, as long as no stage runs short of it, so that every step&apos;s harvest is taken in full.</source>
        <translation>H ist 0: s* x %1 = %2 ist das Meiste, was N(t) auf Dauer hergibt, solange keinem Stadium etwas davon fehlt, sodass die Entnahme jedes Schritts ganz genommen wird.</translation>
    </message>
    <message>
        <source>s* x H = %1 is the most that N(t) yields for ever, as long as no class runs short of it, so that every step&apos;s harvest is taken in full.</source>
        <translation>s* x H = %1 ist das Meiste, was N(t) auf Dauer hergibt, solange keiner Klasse etwas davon fehlt, sodass die Entnahme jedes Schritts ganz genommen wird.</translation>
    </message>
    <message>
        <source>s* x H = %1 is the most that N(t) yields for ever, as long as no stage runs short of it, so that every step&apos;s harvest is taken in full.</source>
        <translation>s* x H = %1 ist das Meiste, was N(t) auf Dauer hergibt, solange keinem Stadium etwas davon fehlt, sodass die Entnahme jedes Schritts ganz genommen wird.</translation>
    </message>
    <message>
        <source>Largest factor s* = (lambda - 1) v.N(t) / %1</source>
        <translation>Größter Faktor s* = (Lambda - 1) v.N(t) / %1</translation>
    </message>
    <message>
        <source>no limit: %1 takes only from classes of reproductive value 0.</source>
        <translation>keine Grenze: %1 nimmt nur aus Klassen mit reproduktivem Wert 0.</translation>
    </message>
    <message>
        <source>no limit: %1 takes only from stages of reproductive value 0.</source>
        <translation>keine Grenze: %1 nimmt nur aus Stadien mit reproduktivem Wert 0.</translation>
    </message>
    <message>
        <source>not searched for in a life cycle of more than %1 stages: each search projects every stage 1000 steps some twenty times. The rule&apos;s figure above stands alone.</source>
        <translation>nicht gesucht bei einem Lebenszyklus mit mehr als %1 Stadien: Jede Suche projiziert jedes Stadium etwa zwanzigmal über 1000 Schritte. Die Kennzahl der Regel oben steht allein.</translation>
    </message>
    <message>
        <source>It lies above s*, because a class is emptied on the way (in step %1): from then on the harvest takes less than s x H, and the rule no longer holds.</source>
        <translation>Er liegt über s*, weil unterwegs eine Klasse geleert wird (in Schritt %1): Ab dann nimmt die Entnahme weniger als s x H, und die Regel gilt nicht mehr.</translation>
    </message>
    <message>
        <source>It lies above s*, because a stage is emptied on the way (in step %1): from then on the harvest takes less than s x H, and the rule no longer holds.</source>
        <translation>Er liegt über s*, weil unterwegs ein Stadium geleert wird (in Schritt %1): Ab dann nimmt die Entnahme weniger als s x H, und die Regel gilt nicht mehr.</translation>
    </message>
    <message>
        <source>It lies above s*, because a class is emptied on the way: from then on the harvest takes less than s x H, and the rule no longer holds.</source>
        <translation>Er liegt über s*, weil unterwegs eine Klasse geleert wird: Ab dann nimmt die Entnahme weniger als s x H, und die Regel gilt nicht mehr.</translation>
    </message>
    <message>
        <source>It lies above s*, because a stage is emptied on the way: from then on the harvest takes less than s x H, and the rule no longer holds.</source>
        <translation>Er liegt über s*, weil unterwegs ein Stadium geleert wird: Ab dann nimmt die Entnahme weniger als s x H, und die Regel gilt nicht mehr.</translation>
    </message>
    <message>
        <source>Largest factor s, by the projection</source>
        <translation>Größter Faktor s, nach der Projektion</translation>
    </message>
    <message>
        <source>none: even without harvest N(t) falls below %1 within %2 steps.</source>
        <translation>keiner: Auch ohne Entnahme fällt N(t) innerhalb von %2 Schritten unter %1.</translation>
    </message>
    <message>
        <source>none: the population does not last %1 steps even without harvest.</source>
        <translation>keiner: Die Population hält auch ohne Entnahme keine %1 Schritte durch.</translation>
    </message>
    <message>
        <source>any s: however large s is, %1 leaves N(t) %2 for %3 steps, because a harvest takes at most what is there and the rest of N(t) lives on.</source>
        <extracomment>%1 is the harvest &quot;s x H&quot;, %2 &quot;at 1 animal or more&quot; or &quot;above 0&quot;, %3 a number.</extracomment>
        <translation>jedes s: Wie groß s auch ist, %1 lässt N(t) %3 Schritte lang %2, weil eine Entnahme höchstens nimmt, was da ist, und der Rest von N(t) weiterlebt.</translation>
    </message>
    <message>
        <source>N(t) stays %1 for %2 steps up to s = %3 (%4 = %5); 1.001 times as much does not.</source>
        <extracomment>%1 is &quot;at 1 animal or more&quot; or &quot;above 0&quot;, %2 a number of steps, %3 the factor s, %4 the harvest &quot;s x H&quot;, %5 that harvest as a vector.</extracomment>
        <translation>N(t) bleibt %2 Schritte lang %1 bis s = %3 (%4 = %5); 1.001-mal so viel nicht.</translation>
    </message>
    <message>
        <source>It holds for these steps only: no constant harvest is sustainable for ever.</source>
        <translation>Das gilt nur für diese Schritte: Keine konstante Entnahme ist auf Dauer nachhaltig.</translation>
    </message>
    <message>
        <source>The rule&apos;s s* agrees.</source>
        <translation>Das s* der Regel stimmt überein.</translation>
    </message>
    <message>
        <source>It lies above s*: there v.N(t) falls, but N(t) stays %1 for all %2 steps of the projection and is lost only later.</source>
        <translation>Er liegt über s*: Dort fällt v.N(t), aber N(t) bleibt alle %2 Schritte der Projektion %1 und ist erst später verloren.</translation>
    </message>
    <message>
        <source>It lies below s*: there v.N(t) still grows, but N(t) dips below %1 on the way.</source>
        <translation>Er liegt unter s*: Dort wächst v.N(t) noch, aber N(t) fällt unterwegs unter %1.</translation>
    </message>
    <message>
        <source>all of it</source>
        <extracomment>A cell of a table: every animal of the class may be taken.</extracomment>
        <translation>alles</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A cell of a table: no harvest at all is possible.</extracomment>
        <translation>keine</translation>
    </message>
    <message>
        <source>All of it for %1: no number taken from them is too large, because a harvest takes at most what is there; emptied every step, the rest of N(t) still lives on.</source>
        <translation>Alles bei %1: Keine daraus genommene Zahl ist zu groß, weil eine Entnahme höchstens nimmt, was da ist; auch wenn sie jeden Schritt geleert werden, lebt der Rest von N(t) weiter.</translation>
    </message>
    <message>
        <source>All of it for %1: no number taken from it is too large, because a harvest takes at most what is there; emptied every step, the rest of N(t) still lives on.</source>
        <translation>Alles bei %1: Keine daraus genommene Zahl ist zu groß, weil eine Entnahme höchstens nimmt, was da ist; auch wenn es jeden Schritt geleert wird, lebt der Rest von N(t) weiter.</translation>
    </message>
    <message>
        <source>Above h_i for %1: there the harvest empties the class on the way and takes less than asked.</source>
        <translation>Über h_i bei %1: Dort leert die Entnahme die Klasse unterwegs und nimmt weniger als verlangt.</translation>
    </message>
    <message>
        <source>Above h_i for %1: there the harvest empties the stage on the way and takes less than asked.</source>
        <translation>Über h_i bei %1: Dort leert die Entnahme das Stadium unterwegs und nimmt weniger als verlangt.</translation>
    </message>
    <message>
        <source>Above h_i for %1: N(t) stays %2 for the %3 steps, and is lost only later.</source>
        <translation>Über h_i bei %1: N(t) bleibt die %3 Schritte lang %2 und ist erst später verloren.</translation>
    </message>
    <message>
        <source>%1, the fecundity of class %2</source>
        <extracomment>%1 is the rate&apos;s symbol &quot;f2&quot;, %2 the number of its class.</extracomment>
        <translation>%1, die Fruchtbarkeit der Klasse %2</translation>
    </message>
    <message>
        <source>%1, the survival from class %2 to %3</source>
        <extracomment>%1 is the rate&apos;s symbol &quot;s0&quot;, %2 and %3 the numbers of the classes.</extracomment>
        <translation>%1, das Überleben von Klasse %2 zu %3</translation>
    </message>
    <message>
        <source>lambda answers most to the cell staying in %1 (a = %2): an elasticity of %3 means that a change of 1 % in it changes lambda by %3 %.</source>
        <extracomment>%1 is &quot;stage seeds&quot;, %2 the cell&apos;s value, %3 its elasticity.</extracomment>
        <translation>Lambda reagiert am stärksten auf die Zelle des Verbleibens in %1 (a = %2): Eine Elastizität von %3 bedeutet, dass eine Änderung um 1 % darin Lambda um %3 % ändert.</translation>
    </message>
    <message>
        <source>lambda answers most to the cell of %1 into itself (staying and offspring) (a = %2): an elasticity of %3 means that a change of 1 % in it changes lambda by %3 %.</source>
        <translation>Lambda reagiert am stärksten auf die Zelle von %1 in sich selbst (Verbleiben und Nachkommen) (a = %2): Eine Elastizität von %3 bedeutet, dass eine Änderung um 1 % darin Lambda um %3 % ändert.</translation>
    </message>
    <message>
        <source>lambda answers most to the cell from %1 to %2 (a = %3): an elasticity of %4 means that a change of 1 % in it changes lambda by %4 %.</source>
        <extracomment>%1 and %2 are stages &quot;stage seeds&quot;, %3 the cell&apos;s value, %4 its elasticity.</extracomment>
        <translation>Lambda reagiert am stärksten auf die Zelle von %1 zu %2 (a = %3): Eine Elastizität von %4 bedeutet, dass eine Änderung um 1 % darin Lambda um %4 % ändert.</translation>
    </message>
    <message>
        <source>M is imprimitive (period %1): lambda still answers so, though N(t) keeps oscillating.</source>
        <translation>M ist imprimitiv (Periode %1): Lambda reagiert trotzdem so, obwohl N(t) weiter schwingt.</translation>
    </message>
    <message>
        <source>A is imprimitive (period %1): lambda still answers so, though N(t) keeps oscillating.</source>
        <translation>A ist imprimitiv (Periode %1): Lambda reagiert trotzdem so, obwohl N(t) weiter schwingt.</translation>
    </message>
    <message>
        <source>value</source>
        <extracomment>Column headers of a vital rate&apos;s row: keep them short.</extracomment>
        <translation>Wert</translation>
    </message>
    <message>
        <source>sensitivity</source>
        <translation>Sensitivität</translation>
    </message>
    <message>
        <source>elasticity</source>
        <translation>Elastizität</translation>
    </message>
    <message>
        <source>lambda answers most to %1: an elasticity of %2 means that a change of 1 % in one of them changes lambda by %2 %.</source>
        <extracomment>%1 lists vital rates &quot;f1, the fecundity of class 1 and s0, ...&quot;, %2 a number.</extracomment>
        <translation>Lambda reagiert am stärksten auf %1: Eine Elastizität von %2 bedeutet, dass eine Änderung um 1 % bei einer davon Lambda um %2 % ändert.</translation>
    </message>
    <message>
        <source>lambda answers most to %1: an elasticity of %2 means that a change of 1 % in it changes lambda by %2 %.</source>
        <extracomment>%1 is a vital rate &quot;f1, the fecundity of class 1&quot;, %2 a number.</extracomment>
        <translation>Lambda reagiert am stärksten auf %1: Eine Elastizität von %2 bedeutet, dass eine Änderung um 1 % darin Lambda um %2 % ändert.</translation>
    </message>
    <message>
        <source>Which rate matters most</source>
        <translation>Welche Rate am meisten zählt</translation>
    </message>
    <message>
        <source>Vital rates f_i and s_i</source>
        <translation>Vitalraten f_i und s_i</translation>
    </message>
    <message>
        <source>not defined for a life cycle of stages: a stage may stay, grow, shrink and breed at once, so the cells of A and their sums by kind below stand in their place.</source>
        <translation>nicht definiert für einen Lebenszyklus aus Stadien: Ein Stadium kann zugleich bleiben, wachsen, schrumpfen und sich fortpflanzen, daher stehen die Zellen von A und ihre Summen nach Art unten an ihrer Stelle.</translation>
    </message>
    <message>
        <source>Elasticities summed by kind</source>
        <translation>Elastizitäten nach Art summiert</translation>
    </message>
    <message>
        <source>Stasis is U&apos;s diagonal, growth U below it, retrogression U above it, reproduction F and clonality C; the five sum to 1.</source>
        <translation>Stase ist die Diagonale von U, Wachstum U darunter, Rückbildung U darüber, Fortpflanzung F und Klonalität C; die fünf ergeben zusammen 1.</translation>
    </message>
    <message>
        <source>stasis</source>
        <extracomment>Column headers: the kinds of transition of a life cycle; keep them short.</extracomment>
        <translation>Stase</translation>
    </message>
    <message>
        <source>growth</source>
        <translation>Wachstum</translation>
    </message>
    <message>
        <source>retrogression</source>
        <translation>Rückbildung</translation>
    </message>
    <message>
        <source>reproduction</source>
        <translation>Fortpflanzung</translation>
    </message>
    <message>
        <source>clonal</source>
        <translation>klonal</translation>
    </message>
    <message>
        <source>Which transition matters most</source>
        <translation>Welcher Übergang am meisten zählt</translation>
    </message>
    <message>
        <source>Sensitivities d lambda / d a_ij</source>
        <translation>Sensitivitäten d Lambda / d a_ij</translation>
    </message>
    <message>
        <source>Elasticities (a_ij / lambda) d lambda / d a_ij</source>
        <translation>Elastizitäten (a_ij / Lambda) d Lambda / d a_ij</translation>
    </message>
    <message>
        <source>not defined: the dominant eigenvalue is repeated, so lambda has no single slope in each cell.</source>
        <translation>nicht definiert: Der dominante Eigenwert ist mehrfach, daher hat Lambda keine eindeutige Steigung in jeder Zelle.</translation>
    </message>
    <message>
        <source>Every cell of %1, its zeros too: how much lambda gains per unit added to a cell, a new transition included.</source>
        <translation>Jede Zelle von %1, auch ihre Nullen: wie viel Lambda je Einheit gewinnt, die zu einer Zelle hinzukommt, auch ein neuer Übergang.</translation>
    </message>
    <message>
        <source>The share of lambda each cell carries; they sum to 1.</source>
        <translation>Der Anteil von Lambda, den jede Zelle trägt; zusammen ergeben sie 1.</translation>
    </message>
    <message>
        <source>with this age structure the population grows faster in the first step than in the long run.</source>
        <translation>Mit dieser Altersstruktur wächst die Population im ersten Schritt schneller als auf lange Sicht.</translation>
    </message>
    <message>
        <source>with this age structure the population grows more slowly in the first step than in the long run.</source>
        <translation>Mit dieser Altersstruktur wächst die Population im ersten Schritt langsamer als auf lange Sicht.</translation>
    </message>
    <message>
        <source>with this age structure the population declines more slowly in the first step than in the long run.</source>
        <translation>Mit dieser Altersstruktur nimmt die Population im ersten Schritt langsamer ab als auf lange Sicht.</translation>
    </message>
    <message>
        <source>with this age structure the population declines faster in the first step than in the long run.</source>
        <translation>Mit dieser Altersstruktur nimmt die Population im ersten Schritt schneller ab als auf lange Sicht.</translation>
    </message>
    <message>
        <source>with this age structure the population grows in the first step, though in the long run it declines.</source>
        <translation>Mit dieser Altersstruktur wächst die Population im ersten Schritt, obwohl sie auf lange Sicht abnimmt.</translation>
    </message>
    <message>
        <source>with this age structure the population grows in the first step, though in the long run it neither grows nor declines.</source>
        <translation>Mit dieser Altersstruktur wächst die Population im ersten Schritt, obwohl sie auf lange Sicht weder wächst noch abnimmt.</translation>
    </message>
    <message>
        <source>with this age structure the population declines in the first step, though in the long run it grows.</source>
        <translation>Mit dieser Altersstruktur nimmt die Population im ersten Schritt ab, obwohl sie auf lange Sicht wächst.</translation>
    </message>
    <message>
        <source>with this age structure the population declines in the first step, though in the long run it neither grows nor declines.</source>
        <translation>Mit dieser Altersstruktur nimmt die Population im ersten Schritt ab, obwohl sie auf lange Sicht weder wächst noch abnimmt.</translation>
    </message>
    <message>
        <source>with this age structure the population keeps its total in the first step, though in the long run it grows.</source>
        <translation>Mit dieser Altersstruktur behält die Population im ersten Schritt ihre Summe, obwohl sie auf lange Sicht wächst.</translation>
    </message>
    <message>
        <source>with this age structure the population keeps its total in the first step, though in the long run it declines.</source>
        <translation>Mit dieser Altersstruktur behält die Population im ersten Schritt ihre Summe, obwohl sie auf lange Sicht abnimmt.</translation>
    </message>
    <message>
        <source>with this stage structure the population grows faster in the first step than in the long run.</source>
        <translation>Mit dieser Stadienstruktur wächst die Population im ersten Schritt schneller als auf lange Sicht.</translation>
    </message>
    <message>
        <source>with this stage structure the population grows more slowly in the first step than in the long run.</source>
        <translation>Mit dieser Stadienstruktur wächst die Population im ersten Schritt langsamer als auf lange Sicht.</translation>
    </message>
    <message>
        <source>with this stage structure the population declines more slowly in the first step than in the long run.</source>
        <translation>Mit dieser Stadienstruktur nimmt die Population im ersten Schritt langsamer ab als auf lange Sicht.</translation>
    </message>
    <message>
        <source>with this stage structure the population declines faster in the first step than in the long run.</source>
        <translation>Mit dieser Stadienstruktur nimmt die Population im ersten Schritt schneller ab als auf lange Sicht.</translation>
    </message>
    <message>
        <source>with this stage structure the population grows in the first step, though in the long run it declines.</source>
        <translation>Mit dieser Stadienstruktur wächst die Population im ersten Schritt, obwohl sie auf lange Sicht abnimmt.</translation>
    </message>
    <message>
        <source>with this stage structure the population grows in the first step, though in the long run it neither grows nor declines.</source>
        <translation>Mit dieser Stadienstruktur wächst die Population im ersten Schritt, obwohl sie auf lange Sicht weder wächst noch abnimmt.</translation>
    </message>
    <message>
        <source>with this stage structure the population declines in the first step, though in the long run it grows.</source>
        <translation>Mit dieser Stadienstruktur nimmt die Population im ersten Schritt ab, obwohl sie auf lange Sicht wächst.</translation>
    </message>
    <message>
        <source>with this stage structure the population declines in the first step, though in the long run it neither grows nor declines.</source>
        <translation>Mit dieser Stadienstruktur nimmt die Population im ersten Schritt ab, obwohl sie auf lange Sicht weder wächst noch abnimmt.</translation>
    </message>
    <message>
        <source>with this stage structure the population keeps its total in the first step, though in the long run it grows.</source>
        <translation>Mit dieser Stadienstruktur behält die Population im ersten Schritt ihre Summe, obwohl sie auf lange Sicht wächst.</translation>
    </message>
    <message>
        <source>with this stage structure the population keeps its total in the first step, though in the long run it declines.</source>
        <translation>Mit dieser Stadienstruktur behält die Population im ersten Schritt ihre Summe, obwohl sie auf lange Sicht abnimmt.</translation>
    </message>
    <message>
        <source>as in the long run.</source>
        <translation>wie auf lange Sicht.</translation>
    </message>
    <message>
        <source>From then on the age distribution stays within 1 % (half the sum of the differences of the shares) of the stable one.</source>
        <translation>Ab dann bleibt die Altersverteilung innerhalb von 1 % (die halbe Summe der Unterschiede der Anteile) der stabilen.</translation>
    </message>
    <message>
        <source>From then on the stage distribution stays within 1 % (half the sum of the differences of the shares) of the stable one.</source>
        <translation>Ab dann bleibt die Stadienverteilung innerhalb von 1 % (die halbe Summe der Unterschiede der Anteile) der stabilen.</translation>
    </message>
    <message>
        <source>none: without harvest N(t) dies out.</source>
        <translation>keine: Ohne Entnahme stirbt N(t) aus.</translation>
    </message>
    <message>
        <source>never: %1 is imprimitive, so the age distribution keeps cycling.</source>
        <translation>nie: %1 ist imprimitiv, daher kreist die Altersverteilung immer weiter.</translation>
    </message>
    <message>
        <source>never: %1 is imprimitive, so the stage distribution keeps cycling.</source>
        <translation>nie: %1 ist imprimitiv, daher kreist die Stadienverteilung immer weiter.</translation>
    </message>
    <message>
        <source>not within %1 steps: the age distribution does not come within 1 % (half the sum of the differences of the shares) of the stable one.</source>
        <translation>nicht innerhalb von %1 Schritten: Die Altersverteilung kommt nicht auf 1 % (die halbe Summe der Unterschiede der Anteile) an die stabile heran.</translation>
    </message>
    <message>
        <source>not within %1 steps: the stage distribution does not come within 1 % (half the sum of the differences of the shares) of the stable one.</source>
        <translation>nicht innerhalb von %1 Schritten: Die Stadienverteilung kommt nicht auf 1 % (die halbe Summe der Unterschiede der Anteile) an die stabile heran.</translation>
    </message>
    <message>
        <source>none: N(t) is empty.</source>
        <translation>keine: N(t) ist leer.</translation>
    </message>
    <message>
        <source>First-step amplification of N(t), ||%1 n||/lambda</source>
        <translation>Verstärkung von N(t) im ersten Schritt, ||%1 n||/Lambda</translation>
    </message>
    <message>
        <source>Steps until the stable distribution, to 1 %</source>
        <translation>Schritte bis zur stabilen Verteilung, auf 1 %</translation>
    </message>
    <message>
        <source>In the first step the total of N(t) is multiplied by %1, %2 times lambda: %3</source>
        <extracomment>%1 and %2 are numbers; %3 is a sentence of its own, &quot;with this age structure ...&quot;.</extracomment>
        <translation>Im ersten Schritt wird die Summe von N(t) mit %1 multipliziert, %2-mal Lambda: %3</translation>
    </message>
    <message>
        <source>Inertia (v.n / v.w) ||w||, n = N(t) / ||N(t)||</source>
        <translation>Trägheit (v.n / v.w) ||w||, n = N(t) / ||N(t)||</translation>
    </message>
    <message>
        <source>In the long run N(t) grows as one of the same total started in the stable distribution, times this factor.</source>
        <translation>Auf lange Sicht wächst N(t) wie eine Population gleicher Summe, die in der stabilen Verteilung begann, mal diesem Faktor.</translation>
    </message>
    <message>
        <source>Cost of an animal of class i, v_i</source>
        <translation>Kosten eines Tiers der Klasse i, v_i</translation>
    </message>
    <message>
        <source>Cost of an animal of stage i, v_i</source>
        <translation>Kosten eines Tiers des Stadiums i, v_i</translation>
    </message>
    <message>
        <source>Harvest of class i alone for ever, h_i</source>
        <translation>Entnahme nur aus Klasse i auf Dauer, h_i</translation>
    </message>
    <message>
        <source>Harvest of stage i alone for ever, h_i</source>
        <translation>Entnahme nur aus Stadium i auf Dauer, h_i</translation>
    </message>
    <message>
        <source>h_i by the projection, %1 steps</source>
        <translation>h_i nach der Projektion, %1 Schritte</translation>
    </message>
    <message>
        <source>h_i = (lambda - 1) v.N(t) / v_i: the most of class i alone that N(t) yields for ever, as long as class i never runs short of it.</source>
        <translation>h_i = (Lambda - 1) v.N(t) / v_i: das Meiste nur aus Klasse i, das N(t) auf Dauer hergibt, solange Klasse i nie zu wenig davon hat.</translation>
    </message>
    <message>
        <source>h_i = (lambda - 1) v.N(t) / v_i: the most of stage i alone that N(t) yields for ever, as long as stage i never runs short of it.</source>
        <translation>h_i = (Lambda - 1) v.N(t) / v_i: das Meiste nur aus Stadium i, das N(t) auf Dauer hergibt, solange Stadium i nie zu wenig davon hat.</translation>
    </message>
    <message>
        <source>Taking one animal of %1 costs the most: %2 newborns&apos; worth of future population; one of %3 costs the least, %4.</source>
        <extracomment>%1 and %3 are &quot;class 2&quot; or &quot;stage seeds&quot;, %2 and %4 their reproductive values.</extracomment>
        <translation>Ein Tier aus %1 zu nehmen kostet am meisten: %2 Neugeborene an künftiger Population; eines aus %3 kostet am wenigsten, %4.</translation>
    </message>
    <message>
        <source>Rate of every class, 1 - 1/lambda</source>
        <translation>Rate jeder Klasse, 1 - 1/Lambda</translation>
    </message>
    <message>
        <source>Rate of every stage, 1 - 1/lambda</source>
        <translation>Rate jedes Stadiums, 1 - 1/Lambda</translation>
    </message>
    <message>
        <source>Rate of class i alone</source>
        <translation>Rate nur aus Klasse i</translation>
    </message>
    <message>
        <source>Rate of stage i alone</source>
        <translation>Rate nur aus Stadium i</translation>
    </message>
    <message>
        <source>none: lambda is below 1 before any harvest.</source>
        <translation>keine: Lambda liegt schon vor jeder Entnahme unter 1.</translation>
    </message>
    <message>
        <source>Taking the same fraction h of every class each step multiplies lambda by (1 - h), whatever N(t) is: at this rate lambda falls to 1.</source>
        <translation>Denselben Anteil h jeder Klasse in jedem Schritt zu nehmen, multipliziert Lambda mit (1 - h), egal wie N(t) ist: Bei dieser Rate fällt Lambda auf 1.</translation>
    </message>
    <message>
        <source>Taking the same fraction h of every stage each step multiplies lambda by (1 - h), whatever N(t) is: at this rate lambda falls to 1.</source>
        <translation>Denselben Anteil h jedes Stadiums in jedem Schritt zu nehmen, multipliziert Lambda mit (1 - h), egal wie N(t) ist: Bei dieser Rate fällt Lambda auf 1.</translation>
    </message>
    <message>
        <source>1: taking all of that class every step still leaves lambda at or above 1.</source>
        <translation>1: Auch wenn jeden Schritt die ganze Klasse genommen wird, bleibt Lambda bei 1 oder darüber.</translation>
    </message>
    <message>
        <source>1: taking all of that stage every step still leaves lambda at or above 1.</source>
        <translation>1: Auch wenn jeden Schritt das ganze Stadium genommen wird, bleibt Lambda bei 1 oder darüber.</translation>
    </message>
    <message>
        <source>A fixed quota is unstable: N(t) must keep v.N(t) above v.N*, and a population pushed below it is lost however long it lasted. A fixed rate is not: it changes lambda whatever N(t) is, so a rate below the one for every class taken from all of them, or a rate below its own figure taken from one class alone, keeps any population growing in the long run, from any start. Rates taken from several classes at once need smaller ones.</source>
        <translation>Eine feste Quote ist instabil: N(t) muss v.N(t) über v.N* halten, und eine Population, die darunter gedrückt wird, ist verloren, wie lange sie auch durchhielt. Eine feste Rate nicht: Sie ändert Lambda, egal wie N(t) ist, daher hält eine Rate unter der für jede Klasse, aus allen genommen, oder eine Rate unter ihrer eigenen Kennzahl, aus einer Klasse allein genommen, jede Population auf lange Sicht im Wachstum, von jedem Start aus. Raten aus mehreren Klassen zugleich müssen kleiner sein.</translation>
    </message>
    <message>
        <source>A fixed quota is unstable: N(t) must keep v.N(t) above v.N*, and a population pushed below it is lost however long it lasted. A fixed rate is not: it changes lambda whatever N(t) is, so a rate below the one for every stage taken from all of them, or a rate below its own figure taken from one stage alone, keeps any population growing in the long run, from any start. Rates taken from several stages at once need smaller ones.</source>
        <translation>Eine feste Quote ist instabil: N(t) muss v.N(t) über v.N* halten, und eine Population, die darunter gedrückt wird, ist verloren, wie lange sie auch durchhielt. Eine feste Rate nicht: Sie ändert Lambda, egal wie N(t) ist, daher hält eine Rate unter der für jedes Stadium, aus allen genommen, oder eine Rate unter ihrer eigenen Kennzahl, aus einem Stadium allein genommen, jede Population auf lange Sicht im Wachstum, von jedem Start aus. Raten aus mehreren Stadien zugleich müssen kleiner sein.</translation>
    </message>
    <message>
        <source>Why a rate, not a quota</source>
        <translation>Warum eine Rate, keine Quote</translation>
    </message>
    <message>
        <source>A fecundity: newborns per animal of the class in a step, and how lambda answers to it.</source>
        <translation>Eine Fruchtbarkeit: Neugeborene je Tier der Klasse in einem Schritt, und wie Lambda darauf reagiert.</translation>
    </message>
    <message>
        <source>A survival rate: the share of a class that lives on into the next one, and how lambda answers to it.</source>
        <translation>Eine Überlebensrate: der Anteil einer Klasse, der in die nächste weiterlebt, und wie Lambda darauf reagiert.</translation>
    </message>
    <message>
        <source>How many times larger the population gets each step in the long run, without harvest: above 1 it grows, below 1 it shrinks.</source>
        <translation>Wie viel Mal größer die Population auf lange Sicht in jedem Schritt wird, ohne Entnahme: über 1 wächst sie, unter 1 schrumpft sie.</translation>
    </message>
    <message>
        <source>The shares of the classes that any population settles into, whatever it started with.</source>
        <translation>Die Anteile der Klassen, auf die sich jede Population einpendelt, womit sie auch begann.</translation>
    </message>
    <message>
        <source>The shares of the stages that any population settles into, whatever it started with.</source>
        <translation>Die Anteile der Stadien, auf die sich jede Population einpendelt, womit sie auch begann.</translation>
    </message>
    <message>
        <source>What one animal of each class is worth to the future population, counted in newborns.</source>
        <translation>Was ein Tier jeder Klasse für die künftige Population wert ist, in Neugeborenen gezählt.</translation>
    </message>
    <message>
        <source>What one animal of each stage is worth to the future population, counted in newborns.</source>
        <translation>Was ein Tier jedes Stadiums für die künftige Population wert ist, in Neugeborenen gezählt.</translation>
    </message>
    <message>
        <source>How many offspring one newborn leaves over its whole life.</source>
        <translation>Wie viele Nachkommen ein Neugeborenes in seinem ganzen Leben hinterlässt.</translation>
    </message>
    <message>
        <source>How quickly a population forgets its start: the larger, the sooner it settles into the stable distribution.</source>
        <translation>Wie schnell eine Population ihren Start vergisst: je größer, desto eher pendelt sie sich in der stabilen Verteilung ein.</translation>
    </message>
    <message>
        <source>The time it takes the population to grow by R0, about the age at which mothers have their young.</source>
        <translation>Die Zeit, in der die Population um R0 wächst, etwa das Alter, in dem Mütter ihre Jungen bekommen.</translation>
    </message>
    <message>
        <source>How many more steps an animal of each stage lives on average.</source>
        <translation>Wie viele Schritte ein Tier jedes Stadiums im Mittel noch lebt.</translation>
    </message>
    <message>
        <source>How the classes are linked, and whether every start ends in the same stable distribution.</source>
        <translation>Wie die Klassen verbunden sind und ob jeder Start in derselben stabilen Verteilung endet.</translation>
    </message>
    <message>
        <source>How the stages are linked, and whether every start ends in the same stable distribution.</source>
        <translation>Wie die Stadien verbunden sind und ob jeder Start in derselben stabilen Verteilung endet.</translation>
    </message>
    <message>
        <source>How much lambda rises if one cell of M rises by a small amount.</source>
        <translation>Wie stark Lambda steigt, wenn eine Zelle von M ein wenig steigt.</translation>
    </message>
    <message>
        <source>How much lambda rises if one cell of A rises by a small amount.</source>
        <translation>Wie stark Lambda steigt, wenn eine Zelle von A ein wenig steigt.</translation>
    </message>
    <message>
        <source>The same in proportion: a change of 1 % in a cell changes lambda by this many %.</source>
        <translation>Dasselbe im Verhältnis: Eine Änderung um 1 % in einer Zelle ändert Lambda um so viele %.</translation>
    </message>
    <message>
        <source>Why the seven rates of an age-class model are not shown here.</source>
        <translation>Warum die sieben Raten eines Altersklassenmodells hier nicht gezeigt werden.</translation>
    </message>
    <message>
        <source>Which kind of transition carries lambda: staying, growing, shrinking or giving birth.</source>
        <translation>Welche Art von Übergang Lambda trägt: Bleiben, Wachsen, Schrumpfen oder Gebären.</translation>
    </message>
    <message>
        <source>The one change that would help the population most.</source>
        <translation>Die eine Änderung, die der Population am meisten helfen würde.</translation>
    </message>
    <message>
        <source>How much faster or slower this N(t) grows in its first step than the long-run lambda (n is N(t) scaled to total 1); another start gives another figure.</source>
        <translation>Wie viel schneller oder langsamer dieses N(t) im ersten Schritt wächst als mit dem Lambda auf lange Sicht (n ist N(t), auf die Summe 1 skaliert); ein anderer Start gibt eine andere Zahl.</translation>
    </message>
    <message>
        <source>How many steps until this N(t) has nearly the stable distribution.</source>
        <translation>Wie viele Schritte, bis dieses N(t) fast die stabile Verteilung hat.</translation>
    </message>
    <message>
        <source>How much larger or smaller this N(t) ends up than a population of the same size that started in the stable distribution.</source>
        <translation>Wie viel größer oder kleiner dieses N(t) am Ende ist als eine gleich große Population, die in der stabilen Verteilung begann.</translation>
    </message>
    <message>
        <source>The one population that the harvest H leaves exactly as it is.</source>
        <translation>Die eine Population, die die Entnahme H genau so lässt, wie sie ist.</translation>
    </message>
    <message>
        <source>The whole population counted in newborns&apos; worth: each animal times the reproductive value of its class.</source>
        <translation>Die ganze Population in Neugeborenen-Wert gezählt: jedes Tier mal dem reproduktiven Wert seiner Klasse.</translation>
    </message>
    <message>
        <source>The whole population counted in newborns&apos; worth: each animal times the reproductive value of its stage.</source>
        <translation>Die ganze Population in Neugeborenen-Wert gezählt: jedes Tier mal dem reproduktiven Wert seines Stadiums.</translation>
    </message>
    <message>
        <source>The worth the population needs to keep up with H for ever.</source>
        <translation>Der Wert, den die Population braucht, um H auf Dauer standzuhalten.</translation>
    </message>
    <message>
        <source>What H takes from that worth each step, against what the population adds to it.</source>
        <translation>Was H jeden Schritt von diesem Wert nimmt, gegen das, was die Population hinzufügt.</translation>
    </message>
    <message>
        <source>Whether N(t) grows or dies under H, judged by its worth against v.N*.</source>
        <translation>Ob N(t) unter H wächst oder stirbt, beurteilt nach seinem Wert gegenüber v.N*.</translation>
    </message>
    <message>
        <source>How many times H the population could give for ever, by the rule.</source>
        <translation>Wie viel Mal H die Population nach der Regel auf Dauer geben könnte.</translation>
    </message>
    <message>
        <source>What the program&apos;s own steps do to N(t) under H, step by step.</source>
        <translation>Was die eigenen Schritte des Programms Schritt für Schritt mit N(t) unter H machen.</translation>
    </message>
    <message>
        <source>The most the program&apos;s own steps carry for the whole run, against the rule&apos;s figure.</source>
        <translation>Das Meiste, was die eigenen Schritte des Programms den ganzen Lauf lang tragen, gegenüber der Kennzahl der Regel.</translation>
    </message>
    <message>
        <source>How much of the future one animal taken from each class costs.</source>
        <translation>Wie viel Zukunft ein aus jeder Klasse genommenes Tier kostet.</translation>
    </message>
    <message>
        <source>How much of the future one animal taken from each stage costs.</source>
        <translation>Wie viel Zukunft ein aus jedem Stadium genommenes Tier kostet.</translation>
    </message>
    <message>
        <source>The most animals of one class alone that could be taken every step for ever, by the rule.</source>
        <translation>Die meisten Tiere nur aus einer Klasse, die nach der Regel jeden Schritt auf Dauer genommen werden könnten.</translation>
    </message>
    <message>
        <source>The most animals of one stage alone that could be taken every step for ever, by the rule.</source>
        <translation>Die meisten Tiere nur aus einem Stadium, die nach der Regel jeden Schritt auf Dauer genommen werden könnten.</translation>
    </message>
    <message>
        <source>The same by the program&apos;s own steps, for the steps it runs.</source>
        <translation>Dasselbe nach den eigenen Schritten des Programms, für die Schritte, die es läuft.</translation>
    </message>
    <message>
        <source>The share of every class that can be taken each step, for ever.</source>
        <translation>Der Anteil jeder Klasse, der jeden Schritt auf Dauer genommen werden kann.</translation>
    </message>
    <message>
        <source>The share of every stage that can be taken each step, for ever.</source>
        <translation>Der Anteil jedes Stadiums, der jeden Schritt auf Dauer genommen werden kann.</translation>
    </message>
    <message>
        <source>The share of one class alone that can be taken each step, for ever.</source>
        <translation>Der Anteil nur einer Klasse, der jeden Schritt auf Dauer genommen werden kann.</translation>
    </message>
    <message>
        <source>The share of one stage alone that can be taken each step, for ever.</source>
        <translation>Der Anteil nur eines Stadiums, der jeden Schritt auf Dauer genommen werden kann.</translation>
    </message>
    <message>
        <source>Why taking a share is safer than taking a fixed number.</source>
        <translation>Warum ein Anteil sicherer ist als eine feste Zahl.</translation>
    </message>
    <message>
        <source>infinite</source>
        <extracomment>A figure without bound, in a cell of the report.</extracomment>
        <translation>unendlich</translation>
    </message>
    <message>
        <source>Dominant eigenvalue lambda</source>
        <translation>Dominanter Eigenwert Lambda</translation>
    </message>
    <message>
        <source>Stable age distribution</source>
        <translation>Stabile Altersverteilung</translation>
    </message>
    <message>
        <source>Stable stage distribution</source>
        <translation>Stabile Stadienverteilung</translation>
    </message>
    <message>
        <source>not unique: the dominant eigenvalue is repeated.</source>
        <translation>nicht eindeutig: Der dominante Eigenwert ist mehrfach.</translation>
    </message>
    <message>
        <source>Reproductive values (class 0 = 1)</source>
        <translation>Reproduktive Werte (Klasse 0 = 1)</translation>
    </message>
    <message>
        <source>Reproductive values (%1 = 1)</source>
        <translation>Reproduktive Werte (%1 = 1)</translation>
    </message>
    <message>
        <source>not defined: %1 has no part in the dominant growth.</source>
        <translation>nicht definiert: %1 hat keinen Anteil am dominanten Wachstum.</translation>
    </message>
    <message>
        <source>Net reproductive rate R0</source>
        <translation>Nettoreproduktionsrate R0</translation>
    </message>
    <message>
        <source>not defined: survival alone keeps cohorts from dying out.</source>
        <translation>nicht definiert: Überleben allein bewahrt Kohorten vor dem Aussterben.</translation>
    </message>
    <message>
        <source>Damping ratio lambda / |lambda2|</source>
        <translation>Dämpfung Lambda / |Lambda2|</translation>
    </message>
    <message>
        <source>all other eigenvalues are 0: the stable distribution is reached within four steps.</source>
        <translation>alle anderen Eigenwerte sind 0: Die stabile Verteilung wird innerhalb von vier Schritten erreicht.</translation>
    </message>
    <message>
        <source>all other eigenvalues are 0: the stable distribution is reached within %1 steps.</source>
        <translation>alle anderen Eigenwerte sind 0: Die stabile Verteilung wird innerhalb von %1 Schritten erreicht.</translation>
    </message>
    <message>
        <source>Generation time T = ln R0 / ln lambda</source>
        <translation>Generationszeit T = ln R0 / ln Lambda</translation>
    </message>
    <message>
        <source>lambda = 1: the limit of the quotient, the mean age of the parents in the stable population.</source>
        <translation>Lambda = 1: der Grenzwert des Quotienten, das mittlere Alter der Eltern in der stabilen Population.</translation>
    </message>
    <message>
        <source>not defined.</source>
        <translation>nicht definiert.</translation>
    </message>
    <message>
        <source>Life expectancy from each stage, column sums of (I - U)^-1</source>
        <translation>Lebenserwartung ab jedem Stadium, Spaltensummen von (I - U)^-1</translation>
    </message>
    <message>
        <source>none: I - U is singular, so some stage (or loop of stages) never dies out.</source>
        <translation>keine: I - U ist singulär, daher stirbt ein Stadium (oder ein Kreis von Stadien) nie aus.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Growth without harvest</source>
        <extracomment>Section headings of the report.</extracomment>
        <translation>Wachstum ohne Entnahme</translation>
    </message>
    <message>
        <source>Which rate matters</source>
        <translation>Welche Rate zählt</translation>
    </message>
    <message>
        <source>The first steps, without harvest</source>
        <translation>Die ersten Schritte, ohne Entnahme</translation>
    </message>
    <message>
        <source>v.N(t), the reproductive value of N(t)</source>
        <translation>v.N(t), der reproduktive Wert von N(t)</translation>
    </message>
    <message>
        <source>v.N* = v.H / (lambda - 1)</source>
        <translation>v.N* = v.H / (Lambda - 1)</translation>
    </message>
    <message>
        <source>v.H against (lambda - 1) v.N(t)</source>
        <translation>v.H gegenüber (Lambda - 1) v.N(t)</translation>
    </message>
    <message>
        <source>Every animal of N(t) counted by the reproductive value v_i of its class: what N(t) is worth to the future, in newborns.</source>
        <translation>Jedes Tier von N(t), gezählt mit dem reproduktiven Wert v_i seiner Klasse: was N(t) für die Zukunft wert ist, in Neugeborenen.</translation>
    </message>
    <message>
        <source>Every animal of N(t) counted by the reproductive value v_i of its stage: what N(t) is worth to the future, in newborns.</source>
        <translation>Jedes Tier von N(t), gezählt mit dem reproduktiven Wert v_i seines Stadiums: was N(t) für die Zukunft wert ist, in Neugeborenen.</translation>
    </message>
    <message>
        <source>none: with lambda = 1 no N* exists.</source>
        <translation>keiner: Bei Lambda = 1 gibt es kein N*.</translation>
    </message>
    <message>
        <source>none: with lambda below 1 N* has negative classes.</source>
        <translation>keiner: Bei Lambda unter 1 hat N* negative Klassen.</translation>
    </message>
    <message>
        <source>none: with lambda below 1 N* has negative stages.</source>
        <translation>keiner: Bei Lambda unter 1 hat N* negative Stadien.</translation>
    </message>
    <message>
        <source>surplus</source>
        <extracomment>Column header: what the population adds to its reproductive value each step.</extracomment>
        <translation>Überschuss</translation>
    </message>
    <message>
        <source>The rule of v.N(t)</source>
        <translation>Die Regel von v.N(t)</translation>
    </message>
    <message>
        <source>N(t) under H, by the projection</source>
        <translation>N(t) unter H, nach der Projektion</translation>
    </message>
    <message>
        <source>Under the constant harvest H</source>
        <translation>Unter der konstanten Entnahme H</translation>
    </message>
    <message>
        <source>What each harvested animal costs</source>
        <translation>Was jedes entnommene Tier kostet</translation>
    </message>
    <message>
        <source>Quota against rate</source>
        <translation>Quote gegen Rate</translation>
    </message>
</context>
<context>
    <name>EditEntries</name>
    <message>
        <source>Survival rate (the blue ones) must be &lt;=1. Press Try Again to enter new data.</source>
        <extracomment>&quot;Try Again&quot; / &quot;Try again&quot; is the editing window&apos;s button of that name.</extracomment>
        <translation>Die Überlebensrate (die blauen Felder) muss &lt;=1 sein. Drücken Sie Erneut versuchen, um neue Werte einzugeben.</translation>
    </message>
    <message>
        <source>Survival rate (the blue ones) must be &gt;=0. Press Try Again to enter new data.</source>
        <translation>Die Überlebensrate (die blauen Felder) muss &gt;=0 sein. Drücken Sie Erneut versuchen, um neue Werte einzugeben.</translation>
    </message>
    <message>
        <source>Fecundity (the red ones) must &gt;=0. Click Try again to enter new data.</source>
        <translation>Die Fruchtbarkeit (die roten Felder) muss &gt;=0 sein. Klicken Sie Erneut versuchen, um neue Werte einzugeben.</translation>
    </message>
    <message>
        <source>The harvest rate (the green boxes) must be &gt;=0. Click Try again to enter new data.</source>
        <translation>Die Entnahmerate (die grünen Felder) muss &gt;=0 sein. Klicken Sie Erneut versuchen, um neue Werte einzugeben.</translation>
    </message>
    <message>
        <source>The number of each age group of N(0) must be &gt;=0. Press Try again to retry.</source>
        <translation>Die Zahl jeder Altersgruppe von N(0) muss &gt;=0 sein. Drücken Sie Erneut versuchen.</translation>
    </message>
    <message>
        <source>The number is too large. Press Try again to enter new data.</source>
        <translation>Die Zahl ist zu groß. Drücken Sie Erneut versuchen, um neue Werte einzugeben.</translation>
    </message>
</context>
<context>
    <name>Simulation</name>
    <message>
        <source>N = 0</source>
        <extracomment>Title of the message box: the projection would empty the population.</extracomment>
        <translation>N = 0</translation>
    </message>
    <message>
        <source>Population size = 0</source>
        <translation>Populationsgröße = 0</translation>
    </message>
    <message>
        <source>History full</source>
        <extracomment>&quot;Change default values&quot; is the main window&apos;s button of that name.</extracomment>
        <translation>Verlauf voll</translation>
    </message>
    <message>
        <source>The history is full: 1000 steps have been recorded.
Press &quot;Change default values&quot; to start a new run.</source>
        <translation>Der Verlauf ist voll: 1000 Schritte wurden aufgezeichnet.
Drücken Sie &quot;Standardwerte ändern&quot;, um einen neuen Lauf zu beginnen.</translation>
    </message>
    <message>
        <source>Numbers too large</source>
        <translation>Zahlen zu groß</translation>
    </message>
    <message>
        <source>The numbers have grown beyond what the program can represent.
This step was not counted.</source>
        <translation>Die Zahlen sind über das hinausgewachsen, was das Programm darstellen kann.
Dieser Schritt wurde nicht gezählt.</translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation>Keine Zahl</translation>
    </message>
    <message>
        <source>A field of the main window does not hold a number.
This step was not counted.</source>
        <translation>Ein Feld des Hauptfensters enthält keine Zahl.
Dieser Schritt wurde nicht gezählt.</translation>
    </message>
</context>
<context>
    <name>velmora::AnalysisWindow</name>
    <message>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Model analysis</source>
        <translation>Modellanalyse</translation>
    </message>
    <message>
        <source>Recompute</source>
        <translation>Neu berechnen</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Recompute: analyse the main window&apos;s model again</source>
        <translation>Neu berechnen: das Modell des Hauptfensters erneut analysieren</translation>
    </message>
    <message>
        <source>Go back: back to the main window</source>
        <translation>Zurück: zurück zum Hauptfenster</translation>
    </message>
    <message>
        <source>The fields of the main window do not all hold numbers: there is nothing to analyse.</source>
        <translation>Nicht alle Felder des Hauptfensters enthalten Zahlen: Es gibt nichts zu analysieren.</translation>
    </message>
    <message>
        <source>M: fecundities %1; survival rates %2.   H = (%3).   N(t) = (%4) at t = %5.</source>
        <extracomment>%1 fecundities, %2 survival rates, %3 harvests, %4 numbers, %5 the year t</extracomment>
        <translation>M: Fruchtbarkeiten %1; Überlebensraten %2.   H = (%3).   N(t) = (%4) bei t = %5.</translation>
    </message>
</context>
<context>
    <name>ReportCells</name>
    <message>
        <source>class %1</source>
        <translation>Klasse %1</translation>
    </message>
    <message>
        <source>total</source>
        <translation>gesamt</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>%1 is a figure&apos;s name, %2 and %3 the row and column of its cell.</extracomment>
        <translation>%1, Zeile %2, Spalte %3</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer.</source>
        <translation>Die Seite konnte nicht an den Drucker gesendet werden.</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.
Do you want to save the page as a PDF file instead?</source>
        <translation>Auf diesem Computer ist kein Drucker eingerichtet.
Möchten Sie die Seite stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Die Seite konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written:
%2</source>
        <translation>Die PDF-Datei „%1“ konnte nicht geschrieben werden:
%2</translation>
    </message>
</context>
<context>
    <name>StageEdit</name>
    <message>
        <source>&quot;%1&quot; is not a number. Type a number such as 0.25 or 1E-3 to try again.</source>
        <translation>„%1“ ist keine Zahl. Geben Sie eine Zahl wie 0.25 oder 1E-3 ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>stage %1</source>
        <extracomment>The name a new stage gets until the student names it.</extracomment>
        <translation>Stadium %1</translation>
    </message>
    <message>
        <source>A life cycle needs at least one stage.</source>
        <translation>Ein Lebenszyklus braucht mindestens ein Stadium.</translation>
    </message>
    <message>
        <source>A life cycle has at most %1 stages.</source>
        <translation>Ein Lebenszyklus hat höchstens %1 Stadien.</translation>
    </message>
    <message>
        <source>The grids do not all have one row and one column a stage.</source>
        <translation>Nicht alle Tabellen haben eine Zeile und eine Spalte je Stadium.</translation>
    </message>
    <message>
        <source>Stage %1 must have a name. Type a name to try again.</source>
        <translation>Stadium %1 braucht einen Namen. Geben Sie einen Namen ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Two stages are called &quot;%1&quot;: each stage must have a name of its own. Type another name to try again.</source>
        <translation>Zwei Stadien heißen „%1“: Jedes Stadium braucht einen eigenen Namen. Geben Sie einen anderen Namen ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The number is too large. Type new data to try again.</source>
        <translation>Die Zahl ist zu groß. Geben Sie neue Daten ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Survival and growth (the U grid) must be &gt;=0. Type new data to try again.</source>
        <translation>Überleben und Wachstum (die Tabelle U) müssen &gt;=0 sein. Geben Sie neue Daten ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Reproduction (the F grid) must be &gt;=0. Type new data to try again.</source>
        <translation>Die Fortpflanzung (die Tabelle F) muss &gt;=0 sein. Geben Sie neue Daten ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Clonal reproduction (the C grid) must be &gt;=0. Type new data to try again.</source>
        <translation>Die klonale Vermehrung (die Tabelle C) muss &gt;=0 sein. Geben Sie neue Daten ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The number of each stage of N(0) must be &gt;=0. Type new data to try again.</source>
        <translation>Die Anzahl jedes Stadiums in N(0) muss &gt;=0 sein. Geben Sie neue Daten ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The harvest (H) must be &gt;=0. Type new data to try again.</source>
        <translation>Die Entnahme (H) muss &gt;=0 sein. Geben Sie neue Daten ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The survival of stage &quot;%1&quot; (column %2 of U) adds up to %3: it must be &lt;=1. Type new data to try again.</source>
        <translation>Das Überleben von Stadium „%1“ (Spalte %2 von U) ergibt zusammen %3: Es muss &lt;=1 sein. Geben Sie neue Daten ein und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>ModelFileDialogText</name>
    <message>
        <source>Velmora models (*.velmora)</source>
        <extracomment>Keep the pattern in brackets as it is.</extracomment>
        <translation>Velmora-Modelle (*.velmora)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>Keep the pattern in brackets as it is.</extracomment>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open model</source>
        <translation>Modell öffnen</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Modell speichern</translation>
    </message>
</context>
<context>
    <name>velmora::NotesWindow</name>
    <message>
        <source>About this model</source>
        <translation>Über dieses Modell</translation>
    </message>
    <message>
        <source>Notes on the model</source>
        <translation>Anmerkungen zum Modell</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK: close the notes</source>
        <translation>OK: die Anmerkungen schließen</translation>
    </message>
    <message>
        <source>This model has no title</source>
        <translation>Dieses Modell hat keinen Titel</translation>
    </message>
</context>
<context>
    <name>RiskCharts</name>
    <message>
        <source>steps from N(t)</source>
        <translation>Schritte ab N(t)</translation>
    </message>
    <message>
        <source>Risk of falling below %1 by step t</source>
        <extracomment>%1 is the threshold, a figure or Q.</extracomment>
        <translation>Risiko, bis Schritt t unter %1 zu fallen</translation>
    </message>
    <message>
        <source>risk</source>
        <translation>Risiko</translation>
    </message>
    <message>
        <source>Total population: percentiles, mean, deterministic</source>
        <translation>Gesamtpopulation: Perzentile, Mittelwert, deterministisch</translation>
    </message>
    <message>
        <source>total (log scale; 0 at the foot)</source>
        <translation>gesamt (log. Skala; 0 am Fuß)</translation>
    </message>
    <message>
        <source>total</source>
        <translation>gesamt</translation>
    </message>
    <message>
        <source>median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>deterministic</source>
        <translation>deterministisch</translation>
    </message>
</context>
<context>
    <name>velmora::RiskWindow</name>
    <message>
        <source>none</source>
        <translation>kein Wert</translation>
    </message>
    <message>
        <source>Stochastic growth rate without harvest, log λs: %1 from the replicates, %2 by Tuljapurkar&apos;s approximation.</source>
        <extracomment>%1 and %2 are figures, or &quot;none&quot;.</extracomment>
        <translation>Stochastische Wachstumsrate ohne Entnahme, log λs: %1 aus den Wiederholungen, %2 nach Tuljapurkars Näherung.</translation>
    </message>
    <message>
        <source>Risk under variability</source>
        <translation>Risiko bei Schwankungen</translation>
    </message>
    <message>
        <source>&amp;Survival CV</source>
        <translation>VK Ü&amp;berleben</translation>
    </message>
    <message>
        <source>Coefficient of variation of the survival rates</source>
        <translation>Variationskoeffizient der Überlebensraten</translation>
    </message>
    <message>
        <source>&amp;Fecundity CV</source>
        <translation>VK &amp;Fruchtbarkeit</translation>
    </message>
    <message>
        <source>Coefficient of variation of the fecundities</source>
        <translation>Variationskoeffizient der Fruchtbarkeiten</translation>
    </message>
    <message>
        <source>&amp;Threshold Q</source>
        <translation>&amp;Schwelle Q</translation>
    </message>
    <message>
        <source>Threshold: a total below it, or of 0, counts as lost</source>
        <translation>Schwelle: Eine Summe darunter oder von 0 gilt als erloschen</translation>
    </message>
    <message>
        <source>&amp;Whole animals (demographic)</source>
        <translation>&amp;Ganze Tiere (demografisch)</translation>
    </message>
    <message>
        <source>Whole animals: binomial survivors and Poisson births</source>
        <translation>Ganze Tiere: binomiale Überlebende und Poisson-Geburten</translation>
    </message>
    <message>
        <source>&amp;Replicates</source>
        <translation>&amp;Wiederholungen</translation>
    </message>
    <message>
        <source>Number of replicates</source>
        <translation>Anzahl der Wiederholungen</translation>
    </message>
    <message>
        <source>St&amp;eps</source>
        <translation>Sc&amp;hritte</translation>
    </message>
    <message>
        <source>Number of steps</source>
        <translation>Anzahl der Schritte</translation>
    </message>
    <message>
        <source>See&amp;d</source>
        <translation>Sta&amp;rtwert</translation>
    </message>
    <message>
        <source>Seed of the random draws</source>
        <translation>Startwert der Zufallsziehungen</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Run: project the replicates</source>
        <translation>Starten: die Wiederholungen projizieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel: stop the run</source>
        <translation>Abbrechen: den Lauf anhalten</translation>
    </message>
    <message>
        <source>Progress of the run</source>
        <translation>Fortschritt des Laufs</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>CSV speichern...</translation>
    </message>
    <message>
        <source>Save the results as CSV</source>
        <translation>Die Ergebnisse als CSV speichern</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Go back: back to the main window</source>
        <translation>Zurück: zurück zum Hauptfenster</translation>
    </message>
    <message>
        <source>The fields of the main window do not all hold numbers: there is nothing to project.</source>
        <translation>Nicht alle Felder des Hauptfensters enthalten Zahlen: Es gibt nichts zu projizieren.</translation>
    </message>
    <message>
        <source>M: fecundities %1; survival rates %2.   H = (%3).   N(t) = (%4) at t = %5.</source>
        <extracomment>%1 fecundities, %2 survival rates, %3 harvests, %4 numbers, %5 the year t</extracomment>
        <translation>M: Fruchtbarkeiten %1; Überlebensraten %2.   H = (%3).   N(t) = (%4) bei t = %5.</translation>
    </message>
    <message>
        <source>Whole animals: N(t) and H are rounded to (%1) and (%2).</source>
        <translation>Ganze Tiere: N(t) und H werden auf (%1) und (%2) gerundet.</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>Läuft...</translation>
    </message>
    <message>
        <source>The run could not start a thread (%1).</source>
        <translation>Der Lauf konnte keinen Thread starten (%1).</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>Cancelled: no result.</source>
        <translation>Abgebrochen: kein Ergebnis.</translation>
    </message>
    <message>
        <source>Chart: risk of falling below the threshold over the steps</source>
        <translation>Diagramm: Risiko, unter die Schwelle zu fallen, über die Schritte</translation>
    </message>
    <message>
        <source>Chart: percentiles, mean and deterministic total over the steps</source>
        <translation>Diagramm: Perzentile, Mittelwert und deterministische Summe über die Schritte</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>The results could not be saved as &quot;%1&quot;:
%2</source>
        <translation>Die Ergebnisse konnten nicht als „%1“ gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>The main window&apos;s model has changed since the last run: press Run for its risk.</source>
        <translation>Das Modell des Hauptfensters hat sich seit dem letzten Lauf geändert: Drücken Sie Starten für sein Risiko.</translation>
    </message>
</context>
<context>
    <name>AnalysisText</name>
    <message>
        <source>N(t) at t = %1</source>
        <translation>N(t) bei t = %1</translation>
    </message>
</context>
<context>
    <name>ExerciseText</name>
    <message>
        <source>unknown key %1%2</source>
        <translation>unbekannter Schlüssel %1%2</translation>
    </message>
    <message>
        <source>it is %1: it must be {&quot;answer&quot;: ..., &quot;mark&quot;: ..., &quot;tries&quot;: N}</source>
        <translation>es ist %1: es muss {&quot;answer&quot;: ..., &quot;mark&quot;: ..., &quot;tries&quot;: N} sein</translation>
    </message>
    <message>
        <source>&quot;answer&quot; is %1: it must be one line of text in double quotes</source>
        <translation>&quot;answer&quot; ist %1: es muss eine Zeile Text in doppelten Anführungszeichen sein</translation>
    </message>
    <message>
        <source>&quot;mark&quot; is %1, not &quot;right&quot;, &quot;close&quot;, &quot;wrong&quot; or null</source>
        <translation>&quot;mark&quot; ist %1, nicht &quot;right&quot;, &quot;close&quot;, &quot;wrong&quot; oder null</translation>
    </message>
    <message>
        <source>&quot;tries&quot; is %1: it must be a whole number from 0 to %2</source>
        <translation>&quot;tries&quot; ist %1: es muss eine ganze Zahl von 0 bis %2 sein</translation>
    </message>
    <message>
        <source>&quot;format&quot; is %1, not &quot;%2&quot;: this is not a Velmora answers file</source>
        <translation>&quot;format&quot; ist %1, nicht &quot;%2&quot;: dies ist keine Velmora-Antwortdatei</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>nicht angegeben</translation>
    </message>
    <message>
        <source>&quot;version&quot; is %1: the file was written by a newer Velmora</source>
        <translation>&quot;version&quot; ist %1: die Datei wurde von einem neueren Velmora geschrieben</translation>
    </message>
    <message>
        <source>&quot;version&quot; is %1, not 1</source>
        <translation>&quot;version&quot; ist %1, nicht 1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2: it must be one line of at most %3 characters</source>
        <translation>&quot;%1&quot; ist %2: es muss eine Zeile mit höchstens %3 Zeichen sein</translation>
    </message>
    <message>
        <source>&quot;student&quot; is %1: %2</source>
        <translation>&quot;student&quot; ist %1: %2</translation>
    </message>
    <message>
        <source>&quot;model&quot; is %1: it must be {KEY: number, ...} with the varied values</source>
        <translation>&quot;model&quot; ist %1: es muss {KEY: number, ...} mit den variierten Werten sein</translation>
    </message>
    <message>
        <source>%1 in &quot;model&quot; is %2: it must be a number</source>
        <translation>%1 in &quot;model&quot; ist %2: es muss eine Zahl sein</translation>
    </message>
    <message>
        <source>&quot;answers&quot; is %1: it must be a list of at most %2 answers</source>
        <translation>&quot;answers&quot; ist %1: es muss eine Liste von höchstens %2 Antworten sein</translation>
    </message>
    <message>
        <source>answer %1: %2</source>
        <translation>Antwort %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2: it must be a number of points</source>
        <translation>&quot;%1&quot; ist %2: es muss eine Zahl von Punkten sein</translation>
    </message>
    <message>
        <source>it is larger than 256 KiB, far more than answers need</source>
        <translation>sie ist größer als 256 KiB, weit mehr, als Antworten brauchen</translation>
    </message>
    <message>
        <source>this is not a Velmora answers file: it holds no {...} object</source>
        <translation>dies ist keine Velmora-Antwortdatei: sie enthält kein {...}-Objekt</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>sie kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>&quot;%1&quot; konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>a student&apos;s name (or number) is needed: it draws the numbers</source>
        <translation>ein Name (oder eine Nummer) ist nötig: er bestimmt die Zahlen</translation>
    </message>
    <message>
        <source>a student&apos;s name is at most %1 characters</source>
        <translation>ein Name hat höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>a student&apos;s name is one line without control characters</source>
        <translation>ein Name ist eine Zeile ohne Steuerzeichen</translation>
    </message>
    <message>
        <source>with these numbers, %1</source>
        <translation>mit diesen Zahlen: %1</translation>
    </message>
</context>
<context>
    <name>ModelFileText</name>
    <message>
        <source>unknown key %1</source>
        <translation>unbekannter Schlüssel %1</translation>
    </message>
    <message>
        <source>&quot;risk&quot; is %1: it must be {&quot;cvSurvival&quot;: X, &quot;cvFecundity&quot;: X, &quot;seed&quot;: S, ...}</source>
        <translation>&quot;risk&quot; ist %1: es muss {&quot;cvSurvival&quot;: X, &quot;cvFecundity&quot;: X, &quot;seed&quot;: S, ...} sein</translation>
    </message>
    <message>
        <source>%1 in &quot;risk&quot;</source>
        <extracomment>%1 is a refusal such as: unknown key &quot;x&quot;.</extracomment>
        <translation>%1 in &quot;risk&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;risk&quot; is %2: it must be %3 from %4 to %5</source>
        <translation>&quot;%1&quot; in &quot;risk&quot; ist %2: es muss %3 von %4 bis %5 sein</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>eine ganze Zahl</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>&quot;demographic&quot; in &quot;risk&quot; is %1: it must be true or false</source>
        <translation>&quot;demographic&quot; in &quot;risk&quot; ist %1: es muss true oder false sein</translation>
    </message>
    <message>
        <source>it is %1: a question must be {&quot;text&quot;: ..., &quot;asks&quot;: ...}</source>
        <translation>es ist %1: eine Frage muss {&quot;text&quot;: ..., &quot;asks&quot;: ...} sein</translation>
    </message>
    <message>
        <source>&quot;text&quot; is missing</source>
        <translation>&quot;text&quot; fehlt</translation>
    </message>
    <message>
        <source>&quot;text&quot; is %1: it must be text of 1 to %2 characters</source>
        <translation>&quot;text&quot; ist %1: es muss ein Text mit 1 bis %2 Zeichen sein</translation>
    </message>
    <message>
        <source>&quot;asks&quot; is missing</source>
        <translation>&quot;asks&quot; fehlt</translation>
    </message>
    <message>
        <source>&quot;asks&quot; is %1: it must name a figure of the report, such as &quot;growth.lambda&quot; or &quot;growth.stableDistribution[2]&quot;</source>
        <translation>&quot;asks&quot; ist %1: es muss eine Zahl des Berichts nennen, etwa &quot;growth.lambda&quot; oder &quot;growth.stableDistribution[2]&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2: it must be a number from 0 to 1000000</source>
        <translation>&quot;%1&quot; ist %2: es muss eine Zahl von 0 bis 1000000 sein</translation>
    </message>
    <message>
        <source>&quot;hint&quot; is %1: it must be text of at most %2 characters</source>
        <translation>&quot;hint&quot; ist %1: es muss ein Text mit höchstens %2 Zeichen sein</translation>
    </message>
    <message>
        <source>&quot;risk&quot; is missing: &quot;risk.finalRisk&quot; needs the settings of the run, at least {&quot;cvSurvival&quot;: X, &quot;seed&quot;: S}</source>
        <translation>&quot;risk&quot; fehlt: &quot;risk.finalRisk&quot; braucht die Einstellungen des Laufs, mindestens {&quot;cvSurvival&quot;: X, &quot;seed&quot;: S}</translation>
    </message>
    <message>
        <source>&quot;risk&quot; stands with &quot;asks&quot;: %1; only &quot;risk.finalRisk&quot; takes it</source>
        <translation>&quot;risk&quot; steht bei &quot;asks&quot;: %1; nur &quot;risk.finalRisk&quot; nimmt es</translation>
    </message>
    <message>
        <source>it is %1: it must be {&quot;value&quot;: KEY, &quot;from&quot;: X, &quot;to&quot;: Y, &quot;step&quot;: D}</source>
        <translation>es ist %1: es muss {&quot;value&quot;: KEY, &quot;from&quot;: X, &quot;to&quot;: Y, &quot;step&quot;: D} sein</translation>
    </message>
    <message>
        <source>&quot;value&quot; is %1: it must name a value of the model, such as &quot;fecundities[2]&quot; or &quot;transitions[1][0]&quot;</source>
        <translation>&quot;value&quot; ist %1: es muss einen Wert des Modells nennen, etwa &quot;fecundities[2]&quot; oder &quot;transitions[1][0]&quot;</translation>
    </message>
    <message>
        <source>&quot;value&quot; is %1, which names no value of this model</source>
        <translation>&quot;value&quot; ist %1 und nennt keinen Wert dieses Modells</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <translation>&quot;%1&quot; fehlt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2: it must be a number</source>
        <translation>&quot;%1&quot; ist %2: es muss eine Zahl sein</translation>
    </message>
    <message>
        <source>&quot;from&quot; %1, &quot;to&quot; %2, &quot;step&quot; %3: the values must rise from &quot;from&quot; to &quot;to&quot; by a step above 0</source>
        <translation>&quot;from&quot; %1, &quot;to&quot; %2, &quot;step&quot; %3: die Werte müssen von &quot;from&quot; bis &quot;to&quot; in einem Schritt über 0 steigen</translation>
    </message>
    <message>
        <source>from %1 to %2 by %3 are more than %4 values</source>
        <translation>von %1 bis %2 in Schritten von %3 sind mehr als %4 Werte</translation>
    </message>
    <message>
        <source>with %1 at %2, %3</source>
        <translation>mit %1 bei %2: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2: it must be a list of 1 to %3 %4</source>
        <translation>&quot;%1&quot; ist %2: es muss eine Liste von 1 bis %3 %4 sein</translation>
    </message>
    <message>
        <source>it is %1: it must be {&quot;title&quot;: ..., &quot;questions&quot;: [...]}</source>
        <translation>es ist %1: es muss {&quot;title&quot;: ..., &quot;questions&quot;: [...]} sein</translation>
    </message>
    <message>
        <source>&quot;title&quot; is missing: with a student&apos;s name it draws the numbers</source>
        <translation>&quot;title&quot; fehlt: mit dem Namen einer Person bestimmt er die Zahlen</translation>
    </message>
    <message>
        <source>&quot;title&quot; is %1: it must be one line of 1 to %2 characters</source>
        <translation>&quot;title&quot; ist %1: es muss eine Zeile mit 1 bis %2 Zeichen sein</translation>
    </message>
    <message>
        <source>questions</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>question %1: %2</source>
        <translation>Frage %1: %2</translation>
    </message>
    <message>
        <source>varied values</source>
        <translation>variierten Werten</translation>
    </message>
    <message>
        <source>varied value %1: %2</source>
        <translation>variierter Wert %1: %2</translation>
    </message>
    <message>
        <source>question %1: &quot;risk&quot;: %2</source>
        <translation>Frage %1: &quot;risk&quot;: %2</translation>
    </message>
    <message>
        <source>varied value %1: %2 is varied twice</source>
        <translation>variierter Wert %1: %2 wird doppelt variiert</translation>
    </message>
    <message>
        <source>&quot;analysis&quot; is %1: it must be true or false</source>
        <translation>&quot;analysis&quot; ist %1: es muss true oder false sein</translation>
    </message>
    <message>
        <source>&quot;maxTries&quot; is %1: it must be a whole number from 1 to %2</source>
        <translation>&quot;maxTries&quot; ist %1: es muss eine ganze Zahl von 1 bis %2 sein</translation>
    </message>
    <message>
        <source>a fecundity</source>
        <extracomment>The subject of &quot;%3 must be at least 0&quot;.</extracomment>
        <translation>eine Fekundität</translation>
    </message>
    <message>
        <source>a survival rate</source>
        <translation>eine Überlebensrate</translation>
    </message>
    <message>
        <source>an age class of N(0)</source>
        <translation>eine Altersklasse von N(0)</translation>
    </message>
    <message>
        <source>a harvest</source>
        <translation>eine Entnahme</translation>
    </message>
    <message>
        <source>%1 is %2: too large for the program</source>
        <translation>%1 ist %2: zu groß für das Programm</translation>
    </message>
    <message>
        <source>%1 is %2: a survival rate must be at most 1</source>
        <translation>%1 ist %2: eine Überlebensrate darf höchstens 1 sein</translation>
    </message>
    <message>
        <source>%1 is %2: %3 must be at least 0</source>
        <translation>%1 ist %2: %3 muss mindestens 0 sein</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>1 stage</source>
        <translation>1 Stadium</translation>
    </message>
    <message>
        <source>%1 stages</source>
        <translation>%1 Stadien</translation>
    </message>
    <message>
        <source>1 number</source>
        <translation>1 Zahl</translation>
    </message>
    <message>
        <source>%1 numbers</source>
        <translation>%1 Zahlen</translation>
    </message>
    <message>
        <source>%1 must be one line of at most %2 characters</source>
        <translation>%1 muss eine Zeile mit höchstens %2 Zeichen sein</translation>
    </message>
    <message>
        <source>%1 holds a control character; only line breaks and tabs may stand in it</source>
        <translation>%1 enthält ein Steuerzeichen; nur Zeilenumbrüche und Tabulatoren dürfen darin stehen</translation>
    </message>
    <message>
        <source>a transition</source>
        <translation>ein Übergang</translation>
    </message>
    <message>
        <source>a clonal rate</source>
        <translation>eine klonale Rate</translation>
    </message>
    <message>
        <source>%1[%2], from %3 to %4,</source>
        <translation>%1[%2], von %3 nach %4,</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 is []: a model needs at least 1 stage</source>
        <translation>%1 ist []: ein Modell braucht mindestens 1 Stadium</translation>
    </message>
    <message>
        <source>%1 holds %2 names: the program takes at most %3 stages</source>
        <translation>%1 enthält %2 Namen: das Programm nimmt höchstens %3 Stadien</translation>
    </message>
    <message>
        <source>%1 is %2: %3</source>
        <translation>%1 ist %2: %3</translation>
    </message>
    <message>
        <source>%1 is %2, as is %3: each stage needs a name of its own</source>
        <translation>%1 ist %2, ebenso %3: jedes Stadium braucht einen eigenen Namen</translation>
    </message>
    <message>
        <source>%1: the column of %2 adds up to %3: at most all of a stage can survive</source>
        <translation>%1: die Spalte von %2 ergibt %3: höchstens ein ganzes Stadium kann überleben</translation>
    </message>
    <message>
        <source>%1: the total of N(0) is too large for the program</source>
        <translation>%1: die Summe von N(0) ist zu groß für das Programm</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 is %2: the file was written by a newer Velmora; this one reads versions up to %3</source>
        <translation>%1 ist %2: die Datei wurde von einem neueren Velmora geschrieben; dieses liest Versionen bis %3</translation>
    </message>
    <message>
        <source>%1 is %2, not a version from 1 to %3</source>
        <translation>%1 ist %2, keine Version von 1 bis %3</translation>
    </message>
    <message>
        <source>%1 is a key of version %2 files; this file is version %3</source>
        <translation>%1 ist ein Schlüssel von Dateien der Version %2; diese Datei hat Version %3</translation>
    </message>
    <message>
        <source>%1 and %2 stand in one file: a file holds either a 4-class Leslie model (&quot;fecundities&quot;, &quot;survival&quot;) or a life cycle by stages (&quot;stages&quot;, &quot;transitions&quot;, &quot;reproduction&quot;)</source>
        <translation>%1 und %2 stehen in einer Datei: eine Datei enthält entweder ein 4-Klassen-Leslie-Modell (&quot;fecundities&quot;, &quot;survival&quot;) oder einen Lebenszyklus nach Stadien (&quot;stages&quot;, &quot;transitions&quot;, &quot;reproduction&quot;)</translation>
    </message>
    <message>
        <source>the file holds no model: it needs &quot;fecundities&quot; and &quot;survival&quot; for a 4-class Leslie model, or &quot;stages&quot;, &quot;transitions&quot; and &quot;reproduction&quot; for a life cycle by stages</source>
        <translation>die Datei enthält kein Modell: sie braucht &quot;fecundities&quot; und &quot;survival&quot; für ein 4-Klassen-Leslie-Modell oder &quot;stages&quot;, &quot;transitions&quot; und &quot;reproduction&quot; für einen Lebenszyklus nach Stadien</translation>
    </message>
    <message>
        <source>%1 is %2: it must be text in double quotes</source>
        <translation>%1 ist %2: es muss Text in doppelten Anführungszeichen sein</translation>
    </message>
    <message>
        <source>%1 is %2: it must be a list of %3 numbers, such as [%4]</source>
        <translation>%1 ist %2: es muss eine Liste von %3 Zahlen sein, etwa [%4]</translation>
    </message>
    <message>
        <source>%1 is %2: it must be a number</source>
        <translation>%1 ist %2: es muss eine Zahl sein</translation>
    </message>
    <message>
        <source>%1 is %2: it must be a list of stage names in double quotes, such as [&quot;seeds&quot;, &quot;adults&quot;]</source>
        <translation>%1 ist %2: es muss eine Liste von Stadiennamen in doppelten Anführungszeichen sein, etwa [&quot;seeds&quot;, &quot;adults&quot;]</translation>
    </message>
    <message>
        <source>%1 is %2: a stage name must be text in double quotes</source>
        <translation>%1 ist %2: ein Stadienname muss Text in doppelten Anführungszeichen sein</translation>
    </message>
    <message>
        <source>%1 is %2: it must be a list of %3, one for each stage, each a list of %4</source>
        <translation>%1 ist %2: es muss eine Liste von %3 sein, eine je Stadium, jede eine Liste von %4</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 Zeile</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>%1 is %2: it must be a row of %3, one for each stage</source>
        <translation>%1 ist %2: es muss eine Zeile von %3 sein, eine je Stadium</translation>
    </message>
    <message>
        <source>%1[%2] is %3: it must be a number</source>
        <translation>%1[%2] ist %3: es muss eine Zahl sein</translation>
    </message>
    <message>
        <source>%1 is %2: it must be a list of %3, one for each stage</source>
        <translation>%1 ist %2: es muss eine Liste von %3 sein, eine je Stadium</translation>
    </message>
    <message>
        <source>%1%2 is %3: it must be a list of stage names in double quotes</source>
        <translation>%1%2 ist %3: es muss eine Liste von Stadiennamen in doppelten Anführungszeichen sein</translation>
    </message>
    <message>
        <source>%1%2 is []: leave it out to take every stage</source>
        <translation>%1%2 ist []: lassen Sie es weg, um jedes Stadium zu nehmen</translation>
    </message>
    <message>
        <source>%1%2 is %3, which is not the name of a stage of the model</source>
        <translation>%1%2 ist %3 und ist nicht der Name eines Stadiums des Modells</translation>
    </message>
    <message>
        <source>%1%2 is %3, named twice</source>
        <translation>%1%2 ist %3, doppelt genannt</translation>
    </message>
    <message>
        <source>%1 is %2: it must be {&quot;form&quot;: &quot;beverton-holt&quot;, &quot;capacity&quot;: K} with &quot;ricker&quot; or &quot;ceiling&quot; as other forms</source>
        <translation>%1 ist %2: es muss {&quot;form&quot;: &quot;beverton-holt&quot;, &quot;capacity&quot;: K} sein, mit &quot;ricker&quot; oder &quot;ceiling&quot; als anderen Formen</translation>
    </message>
    <message>
        <source>unknown key %1 in %2</source>
        <translation>unbekannter Schlüssel %1 in %2</translation>
    </message>
    <message>
        <source>&quot;form&quot; in %1 is missing</source>
        <translation>&quot;form&quot; in %1 fehlt</translation>
    </message>
    <message>
        <source>&quot;form&quot; in %1 is %2, not &quot;beverton-holt&quot;, &quot;ricker&quot; or &quot;ceiling&quot;</source>
        <translation>&quot;form&quot; in %1 ist %2, nicht &quot;beverton-holt&quot;, &quot;ricker&quot; oder &quot;ceiling&quot;</translation>
    </message>
    <message>
        <source>&quot;capacity&quot; in %1 is missing</source>
        <translation>&quot;capacity&quot; in %1 fehlt</translation>
    </message>
    <message>
        <source>&quot;capacity&quot; in %1 is %2: K must be a number above 0</source>
        <translation>&quot;capacity&quot; in %1 ist %2: K muss eine Zahl über 0 sein</translation>
    </message>
    <message>
        <source> in %1</source>
        <translation> in %1</translation>
    </message>
    <message>
        <source>%1: a stage of the model never dies, so R0 has no value and K cannot set the strength of the density dependence</source>
        <translation>%1: ein Stadium des Modells stirbt nie, daher hat R0 keinen Wert, und K kann die Stärke der Dichteabhängigkeit nicht festlegen</translation>
    </message>
    <message>
        <source>%1: R0 is %2, and a population that settles at K must more than replace itself when sparse (R0 above 1)</source>
        <translation>%1: R0 ist %2, und eine Population, die sich bei K einpendelt, muss sich bei geringer Dichte mehr als ersetzen (R0 über 1)</translation>
    </message>
    <message>
        <source>%1 is missing: this is not a Velmora model file</source>
        <translation>%1 fehlt: dies ist keine Velmora-Modelldatei</translation>
    </message>
    <message>
        <source>%1 is %2, not &quot;%3&quot;: this is not a Velmora model file</source>
        <translation>%1 ist %2, nicht &quot;%3&quot;: dies ist keine Velmora-Modelldatei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written: %2</source>
        <translation>&quot;%1&quot; wurde nicht geschrieben: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>&quot;%1&quot; konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2; the model opened without its exercise</source>
        <translation>&quot;%1&quot;: %2; das Modell wurde ohne seine Übung geöffnet</translation>
    </message>
    <message>
        <source>%1 is %2 x %3: it must have a row and a column for each of the %4</source>
        <translation>%1 ist %2 x %3: es muss eine Zeile und eine Spalte für jedes der %4 haben</translation>
    </message>
    <message>
        <source>%1 holds %2: it must hold one for each of the %3</source>
        <translation>%1 enthält %2: es muss eine für jedes der %3 enthalten</translation>
    </message>
    <message>
        <source>this is not JSON: %1 at %2</source>
        <translation>dies ist kein JSON: %1 bei %2</translation>
    </message>
    <message>
        <source>this is not a Velmora model file: it holds no {...} object</source>
        <translation>dies ist keine Velmora-Modelldatei: sie enthält kein {...}-Objekt</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>sie kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB, far more than a model needs</source>
        <translation>sie ist größer als 1 MiB, weit mehr, als ein Modell braucht</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number</source>
        <translation>%1: &quot;%2&quot; ist keine Zahl</translation>
    </message>
    <message>
        <source>%1: %2 is too large for the program</source>
        <translation>%1: %2 ist zu groß für das Programm</translation>
    </message>
    <message>
        <source>%1: %2 is below 0; rates and numbers of animals are at least 0</source>
        <translation>%1: %2 ist unter 0; Raten und Zahlen von Tieren sind mindestens 0</translation>
    </message>
    <message>
        <source>1 value</source>
        <translation>1 Wert</translation>
    </message>
    <message>
        <source>%1 values</source>
        <translation>%1 Werte</translation>
    </message>
    <message>
        <source>a model has 1 to %1 stages, not %2</source>
        <translation>ein Modell hat 1 bis %1 Stadien, nicht %2</translation>
    </message>
    <message>
        <source>value %1</source>
        <extracomment>Where a value stands: &quot;row 2, value 1&quot;; %1 is the row (&quot;row 2&quot;).</extracomment>
        <translation>Wert %1</translation>
    </message>
    <message>
        <source>%1, value %2</source>
        <translation>%1, Wert %2</translation>
    </message>
    <message>
        <source>a stage needs a name</source>
        <translation>ein Stadium braucht einen Namen</translation>
    </message>
    <message>
        <source>a stage name must not begin or end with a blank</source>
        <translation>ein Stadienname darf nicht mit einem Leerzeichen beginnen oder enden</translation>
    </message>
    <message>
        <source>a stage name must be at most %1 characters long</source>
        <translation>ein Stadienname darf höchstens %1 Zeichen lang sein</translation>
    </message>
    <message>
        <source>a stage name must be one line without tabs or control characters</source>
        <translation>ein Stadienname muss eine Zeile ohne Tabulatoren oder Steuerzeichen sein</translation>
    </message>
    <message>
        <source>a stage name must be UTF-8 text</source>
        <translation>ein Stadienname muss UTF-8-Text sein</translation>
    </message>
    <message>
        <source>%1 names: the program takes at most %2</source>
        <extracomment>%2 is a number of stages (&quot;100 stages&quot;).</extracomment>
        <translation>%1 Namen: das Programm nimmt höchstens %2</translation>
    </message>
    <message>
        <source>name %1</source>
        <translation>Name %1</translation>
    </message>
    <message>
        <source>%1 (&quot;%2&quot;) is an earlier name as well: each stage needs a name of its own</source>
        <translation>%1 (&quot;%2&quot;) ist auch ein früherer Name: jedes Stadium braucht einen eigenen Namen</translation>
    </message>
    <message>
        <source>%1 for %2: one row for each stage, separated by &quot;;&quot;</source>
        <extracomment>%1 is a number of rows (&quot;3 rows&quot;), %2 one of stages (&quot;2 stages&quot;).</extracomment>
        <translation>%1 für %2: eine Zeile je Stadium, getrennt durch &quot;;&quot;</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1 holds %2 for %3: one for each stage, separated by &quot;,&quot;</source>
        <extracomment>%1 is the row (&quot;row 2&quot;), %2 a number of values, %3 one of stages.</extracomment>
        <translation>%1 enthält %2 für %3: einer je Stadium, getrennt durch &quot;,&quot;</translation>
    </message>
    <message>
        <source>%1 for %2: one for each stage, separated by &quot;,&quot;</source>
        <extracomment>%1 is a number of values (&quot;3 values&quot;), %2 one of stages (&quot;2 stages&quot;).</extracomment>
        <translation>%1 für %2: einer je Stadium, getrennt durch &quot;,&quot;</translation>
    </message>
</context>
</TS>
