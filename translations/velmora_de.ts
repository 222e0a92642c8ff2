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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print one JSON object instead of aligned text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as text, explain each figure in a line under it</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1; options of a command come after its name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the command stopped on an error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the command stopped on an unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard output could not be written (%1): the results are lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beverton-holt, ricker or ceiling: how reproduction falls
as the density D rises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the density at which the population settles without
harvest, above 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the stages whose sum is D, by name (default: all)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the stages a way of harvesting takes from (default: all)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quota, rate or escapement: take the harvest this
way in place of H (needs --density and --level)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the quota Q a step, the rate h (0 to 1) or the
escapement E</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key: the student&apos;s name or number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key: print one JSON object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mark: also write the table as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Exit status 0 when done; 1 when check finds a question without an answer,
when mark cannot read an answers file or write FILE.csv, or when standard
output cannot be written; 2 with one line on standard error, and nothing done,
for a bad option, a FILE without a good exercise or an asks that names no figure.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a model but no &quot;exercise&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--student: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the numbers of %1 break a rule of the model: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercise: %1</source>
        <translation type="unfinished">Übung: %1</translation>
    </message>
    <message>
        <source>Student: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s own numbers (no student)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer: this model has no such figure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (exactly)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (within %1 + %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>question %1: &quot;asks&quot; is &quot;%2&quot;, which names no figure of the report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file&apos;s numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>question %1 has no answer with %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>question %1 is a near tie with %2: the largest is within 2 % of the next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all %1 combinations of the varied values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sample of %1 combinations of the varied values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 problem in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 problems in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every question has an answer for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unread</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTHER EXERCISE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIFFER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of tries is what each student&apos;s program counted: it cannot be verified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation type="unfinished">„%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>no action given: key, check or mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown action %1; did you mean %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown action %1: key, check or mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no FILE given: the model file with the exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no ANSWERS given: the answers files to mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than one FILE given: %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the values of a model file (.velmora), a 4-class Leslie
model or a life cycle of any size; the options below
override them, wherever they stand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fecundities f0,f1,f2,f3 and survival rates s0,s1,s2 of
the 4-class Leslie model (default 0,1,2,1,0.5,1,0.5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a life cycle of any size instead: the names of its 1 to 100
stages, separated by &quot;,&quot; (&quot;seeds,adults&quot;); with
--transitions and --reproduction; not with --matrix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U, survival and growth: one row a stage, rows separated by
&quot;;&quot; and values by &quot;,&quot; (&quot;0,0;0.5,0.8&quot;); row r, column c
is what one member of stage c gives stage r in a step;
each column adds up to at most 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F, births, as ROWS (&quot;0,2;0,0&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C, clonal reproduction, as ROWS (default none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N(0): one number a class or stage (default 10 in each)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H: one number a class or stage (default 5,0,0,0 for the
4-class model, 0 in each stage of a life cycle)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 = %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number is beyond the range of a double</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a survival rate must be from 0 to 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a fecundity must be 0 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number of animals must be 0 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a harvest must be 0 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N(0) adds up to a total beyond the range of a double</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1; did you mean %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option --%1 is given more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;: every value follows its option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show this help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>coefficient of variation of each survival rate (default 0);
a rate s whose beta distribution needs a CV below sqrt((1 - s) / s)
takes the largest it allows (rates of 0 and 1 do not vary)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same for each fecundity, 0 to 10 (default 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>whole animals: binomial survivors, Poisson births; N(0) and H
are rounded to whole numbers first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a total below Q, or a total of 0, counts as lost
(default 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 to 100000 (default 1000)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 to 1000 (default 100)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 to 999999999 (default 1); one seed gives the same result
on any number of threads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 to 64 (default: one per core)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print one JSON object: risk, mean, deterministic (T + 1
numbers each), percentiles (&quot;5&quot; ... &quot;95&quot;), finalRisk,
finalRiskInterval, logLambdaS (simulated, approximation)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>also write the columns t, risk, p5, p25, p50, p75, p95, mean,
deterministic into FILE.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number of steps (Project/Transit pairs), 0 to 1000
(default 10)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after the run, write the four files &quot;Save&quot; writes for the name
BASE.txt: BASE-age structure.txt, BASE-age distribution.txt,
BASE-total population and growth rate.txt and
BASE-growth-birth-death-survival-rate.txt (BASE takes no ending);
a 4-class model only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>also write the table printed into FILE as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one line of at most 100 characters, shown with the model
(default: the title of --model&apos;s file, else none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>what the student should look for; a line break in TEXT
(bash: $&apos;one\ntwo&apos;) starts a new line (default: the notes
of --model&apos;s file, else none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>replace FILE if it is there already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is there already; give --force to replace it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>points of each yield curve, 2 to 10000 (default 200)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>also project each way at 90 % of its MSY for 60 steps
after one bad year that takes the share F (0 to 1) of
every stage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print one JSON object instead of text</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
    <name>QObject</name>
    <message>
        <source>The picture could not be drawn.</source>
        <translation type="unfinished"></translation>
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
        <source>Right click here (or press the Menu key) for the model&apos;s analysis, risk, harvest and yield, life cycle, model files and examples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Life cycle...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harvest and &amp;yield...</source>
        <translation type="unfinished">Entnahme und &amp;Ertrag...</translation>
    </message>
    <message>
        <source>Save as exer&amp;cise...</source>
        <translation type="unfinished"></translation>
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
    <name>ProgramOptions</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
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
        <source>Open model</source>
        <translation>Modell öffnen</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Modell speichern</translation>
    </message>
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
</TS>
