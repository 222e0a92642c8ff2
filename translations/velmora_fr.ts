<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Glossary</name>
    <message>
        <source>lambda</source>
        <extracomment>Glossary: the term this language uses for each, wherever a text names it. The finite rate of increase, the dominant eigenvalue of the projection matrix.</extracomment>
        <translation>lambda</translation>
    </message>
    <message>
        <source>reproductive value</source>
        <extracomment>A stage&apos;s expected future offspring, relative to the first stage (Fisher).</extracomment>
        <translation>valeur reproductive</translation>
    </message>
    <message>
        <source>elasticity</source>
        <extracomment>The proportional change of lambda for a proportional change of one rate.</extracomment>
        <translation>élasticité</translation>
    </message>
    <message>
        <source>harvest</source>
        <extracomment>Animals taken from the population each step (hunting, fishing).</extracomment>
        <translation>prélèvement</translation>
    </message>
    <message>
        <source>quota</source>
        <extracomment>A fixed number of animals the harvest may take each step.</extracomment>
        <translation>quota</translation>
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
        <translation>commande inconnue %1 ; vouliez-vous dire %2 ?</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>commande inconnue %1</translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation>l&apos;option %1 demande une valeur</translation>
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
        <translation>langue inconnue « %1 » pour --lang ; les langues sont %2</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page could not be sent to the printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is set up on this computer.
Do you want to save the page as a PDF file instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LifeCycleGraph</name>
    <message>
        <source>reproduction (F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clonal reproduction (C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>survival and growth (U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Life cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written: the picture could not be drawn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora</name>
    <message>
        <source>&quot;%1&quot; is not a number. Type a number such as 0.25 or 1E-3 to try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stage %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A life cycle needs at least one stage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A life cycle has at most %1 stages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The grids do not all have one row and one column a stage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stage %1 must have a name. Type a name to try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two stages are called &quot;%1&quot;: each stage must have a name of its own. Type another name to try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number is too large. Type new data to try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Survival and growth (the U grid) must be &gt;=0. Type new data to try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reproduction (the F grid) must be &gt;=0. Type new data to try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clonal reproduction (the C grid) must be &gt;=0. Type new data to try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of each stage of N(0) must be &gt;=0. Type new data to try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The harvest (H) must be &gt;=0. Type new data to try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The survival of stage &quot;%1&quot; (column %2 of U) adds up to %3: it must be &lt;=1. Type new data to try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
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
        <translation>Usage : velmora [--lang CODE] [FICHIER]

Lance Velmora, un programme d&apos;enseignement de l&apos;écologie des populations ;
avec FICHIER, un fichier de modèle (.velmora) est ouvert au démarrage.

Options :
  -h, --help   affiche cette aide
  --version    affiche la version
  --lang CODE  la langue des textes (de, en, es, fr) au lieu de celle
               du système
Les options propres à Qt, comme -platform offscreen, sont acceptées aussi.
velmora-cli calcule le modèle sans fenêtres.
</translation>
    </message>
</context>
<context>
    <name>ChartTexts</name>
    <message>
        <source>age  %1</source>
        <extracomment>A chart legend entry; %1 is the age class number.</extracomment>
        <translation>âge %1</translation>
    </message>
    <message>
        <source>time</source>
        <extracomment>The x axis title of the charts of the history.</extracomment>
        <translation>temps</translation>
    </message>
    <message>
        <source>Total population size</source>
        <translation>Effectif total de la population</translation>
    </message>
    <message>
        <source>Growth rate</source>
        <translation>Taux de croissance</translation>
    </message>
    <message>
        <source>Change rate dN(t)</source>
        <translation>Variation dN(t)</translation>
    </message>
    <message>
        <source>Age structure</source>
        <translation>Structure par âge</translation>
    </message>
    <message>
        <source>age size</source>
        <translation>effectif par âge</translation>
    </message>
    <message>
        <source>age distribution</source>
        <translation>répartition par âge</translation>
    </message>
</context>
<context>
    <name>ChartImage</name>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>L&apos;image n&apos;a pas pu être dessinée.</translation>
    </message>
</context>
<context>
    <name>velmora::ChartMenu</name>
    <message>
        <source>&amp;Save chart as image...</source>
        <translation>&amp;Enregistrer le graphique comme image...</translation>
    </message>
    <message>
        <source>&amp;Copy chart</source>
        <translation>&amp;Copier le graphique</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Enregistrer le graphique comme image</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>Le fichier « %1 » existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>The chart could not be saved as &quot;%1&quot;:
%2</source>
        <translation>Le graphique n&apos;a pas pu être enregistré sous « %1 » :
%2</translation>
    </message>
</context>
<context>
    <name>velmora::Larggraf</name>
    <message>
        <source>Graph</source>
        <translation>Graphe</translation>
    </message>
    <message>
        <source>Population size</source>
        <translation>Effectif</translation>
    </message>
    <message>
        <source>Growth rate</source>
        <translation>Croissance</translation>
    </message>
    <message>
        <source>Age structure</source>
        <translation>Structure</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Impr.</translation>
    </message>
    <message>
        <source>Age distribution</source>
        <translation>Répartition</translation>
    </message>
    <message>
        <source>Population size: chart of the total N(t)</source>
        <translation>Effectif : graphique du total N(t)</translation>
    </message>
    <message>
        <source>Growth rate: chart of N(t+1)/N(t)</source>
        <translation>Taux de croissance : graphique de N(t+1)/N(t)</translation>
    </message>
    <message>
        <source>Age structure: chart of every age class</source>
        <translation>Structure par âge : graphique de chaque classe d&apos;âge</translation>
    </message>
    <message>
        <source>N(t)-N(t-1): chart of the change</source>
        <translation>N(t)-N(t-1) : graphique de la variation</translation>
    </message>
    <message>
        <source>Age distribution: chart of the shares of the age classes</source>
        <translation>Répartition par âge : graphique des parts des classes d&apos;âge</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Imprimer cette page</translation>
    </message>
    <message>
        <source>Go back: back to the main window</source>
        <translation>Retour : retour à la fenêtre principale</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Quitter ce programme</translation>
    </message>
    <message>
        <source>Chart: %1, %2 over %3</source>
        <extracomment>Read out by screen readers: %1 the chart&apos;s title, %2 and %3 its axis titles.</extracomment>
        <translation>Graphique : %1, %2 en fonction de %3</translation>
    </message>
</context>
<context>
    <name>velmora::Changdat</name>
    <message>
        <source>Change default values</source>
        <translation>Modifier les valeurs</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>M, row %1, column %2 (always 0)</source>
        <translation>M, ligne %1, colonne %2 (toujours 0)</translation>
    </message>
    <message>
        <source>Fecundity of age class %1</source>
        <translation>Fécondité de la classe d&apos;âge %1</translation>
    </message>
    <message>
        <source>Survival rate from age class %1 to %2</source>
        <translation>Taux de survie de la classe d&apos;âge %1 à %2</translation>
    </message>
    <message>
        <source>N(0), age class %1</source>
        <translation>N(0), classe d&apos;âge %1</translation>
    </message>
    <message>
        <source>Harvest, age class %1</source>
        <translation>Prélèvement, classe d&apos;âge %1</translation>
    </message>
    <message>
        <source>Go Back: check and apply the values</source>
        <translation>Retour : vérifier et appliquer les valeurs</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Quitter ce programme</translation>
    </message>
    <message>
        <source>Try again: enter new values</source>
        <translation>Réessayer : saisir de nouvelles valeurs</translation>
    </message>
    <message>
        <source>You can change the default values of the population matrix (M), the initial population structure N(0) and the daily harvest rate matrix H.  In matrix M, the red data are the age-specific fecundities. The blue data are the age-specific survival rates. The age-specific harvest matrix (H) contains the daily harvest number for each age group.</source>
        <translation>Modifiez ici les valeurs initiales de la matrice de population (M), la population initiale N(0) et la matrice de prélèvement quotidien H. Dans M, les valeurs rouges sont les fécondités par âge, les bleues les taux de survie. La matrice H contient le prélèvement quotidien de chaque classe d&apos;âge.</translation>
    </message>
</context>
<context>
    <name>velmora::ExerciseWindow</name>
    <message>
        <source>Exercise: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your &amp;name or number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name or number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws your own numbers and puts the model in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer to question %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark of question %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve answers...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your numbers break a rule of the model: %1
Tell your teacher.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n number(s) apart by blanks</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close: check your rounding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong. Hint: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No tries left: this answer stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try %1 of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answers were not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::LifeCycleWindow</name>
    <message>
        <source>total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N(t)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Life cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harvest and &amp;yield...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Life-cycle graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analysis of the model as it stands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Life-cycle gra&amp;ph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;nalysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stages: name, N(0) and harvest H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stages: name, N(0) and H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N(0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U, survival and growth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F, reproduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C, clonal reproduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;U: survival and growth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;F: reproduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;C: clonal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column: the stage moved from; row: the stage moved to. Each column sums to at most 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column: the parents&apos; stage; row: the stage the young are born into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add stage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a stage after the selected one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move stage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the selected stage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lonal reproduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart: each stage and the total over t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step: one step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run: as many steps as the steps box says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps of a run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>st&amp;eps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;og scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;graph...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the graph as a picture, SVG or PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name ending in .svg saves SVG, any other name PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to main &amp;window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the model to the main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back: back to the main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this model in the main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only a 4-stage Leslie model fits the main window: births into stage 1 and survival to the next stage only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This exercise keeps the analysis closed while it is open: the answers are yours to find.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Density: %1, K = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Density dependence on Step and Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R0 = %1: with density dependence a population must more than replace itself when sparse. Switch density off to project the model as it stands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Density dependence cannot be applied to the model as it stands. Switch density off to project it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t = %1   total N(t) = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   growth rate N(t)/N(t-1) = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>life cycle.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save graph</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::Form1</name>
    <message>
        <source>Velmora model based on Lewis-Leslie matrix</source>
        <translation>Modèle Velmora fondé sur la matrice de Lewis-Leslie</translation>
    </message>
    <message>
        <source>Velmora model</source>
        <translation>Modèle Velmora</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>(C) Velmora project, 1997-%1</source>
        <extracomment>%1 is the current year.</extracomment>
        <translation>(C) Projet Velmora, 1997-%1</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>The Velmora project
Teaching software for
population ecology</source>
        <extracomment>Three short lines in a narrow frame.</extracomment>
        <translation>Le projet Velmora
Logiciel éducatif en
écologie des populations</translation>
    </message>
    <message>
        <source>Harvest</source>
        <translation>Prélèv.</translation>
    </message>
    <message>
        <source>Right click here (or press the Menu key) for the model&apos;s analysis, risk, harvest and yield, life cycle, model files and examples</source>
        <translation>Clic droit ici (ou touche Menu) pour l&apos;analyse du modèle, le risque, le prélèvement et le rendement, le cycle de vie, les fichiers de modèle et les exemples</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projection</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transition</translation>
    </message>
    <message>
        <source>Population size = 0.  End of simulation.</source>
        <translation>Effectif = 0. Fin de la simulation.</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total :</translation>
    </message>
    <message>
        <source>Growth rate =</source>
        <translation>Croissance =</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sauver</translation>
    </message>
    <message>
        <source> Your choice </source>
        <translation> Votre choix </translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projeter</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Quitter ce programme</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphe</translation>
    </message>
    <message>
        <source>View graphics</source>
        <translation>Voir les graphiques</translation>
    </message>
    <message>
        <source>Change default values</source>
        <translation>Modifier les valeurs</translation>
    </message>
    <message>
        <source>Change default data</source>
        <translation>Modifier les valeurs initiales</translation>
    </message>
    <message>
        <source>How To</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Impr.</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Imprimer cette page</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>M, row %1, column %2</source>
        <translation>M, ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>Fecundity of age class %1</source>
        <translation>Fécondité de la classe d&apos;âge %1</translation>
    </message>
    <message>
        <source>Survival rate from age class %1 to %2</source>
        <translation>Taux de survie de la classe d&apos;âge %1 à %2</translation>
    </message>
    <message>
        <source>N(t), age class %1</source>
        <translation>N(t), classe d&apos;âge %1</translation>
    </message>
    <message>
        <source>Harvest, age class %1</source>
        <translation>Prélèvement, classe d&apos;âge %1</translation>
    </message>
    <message>
        <source>N(t+1), age class %1</source>
        <translation>N(t+1), classe d&apos;âge %1</translation>
    </message>
    <message>
        <source>Total of N(t)</source>
        <translation>Total de N(t)</translation>
    </message>
    <message>
        <source>Total of N(t+1)</source>
        <translation>Total de N(t+1)</translation>
    </message>
    <message>
        <source>Growth rate</source>
        <translation>Taux de croissance</translation>
    </message>
    <message>
        <source>Project: compute N(t+1)</source>
        <translation>Projeter : calculer N(t+1)</translation>
    </message>
    <message>
        <source>Transit: move N(t+1) into N(t)</source>
        <translation>Passer : reporter N(t+1) dans N(t)</translation>
    </message>
    <message>
        <source>Graph: view the charts</source>
        <translation>Graphe : voir les graphiques</translation>
    </message>
    <message>
        <source>How to use this program</source>
        <translation>Comment utiliser ce programme</translation>
    </message>
    <message>
        <source>Save the history to files</source>
        <translation>Enregistrer l&apos;historique dans des fichiers</translation>
    </message>
    <message>
        <source>Velmora model: open the introduction</source>
        <translation>Modèle Velmora : ouvrir l&apos;introduction</translation>
    </message>
    <message>
        <source>Model &amp;analysis...</source>
        <translation>&amp;Analyse du modèle...</translation>
    </message>
    <message>
        <source>&amp;Risk under variability...</source>
        <translation>&amp;Risque sous variabilité...</translation>
    </message>
    <message>
        <source>&amp;Life cycle...</source>
        <translation>Cycle de &amp;vie...</translation>
    </message>
    <message>
        <source>Harvest and &amp;yield...</source>
        <translation>Prélèvement et &amp;rendement...</translation>
    </message>
    <message>
        <source>&amp;Open model...</source>
        <translation>&amp;Ouvrir un modèle...</translation>
    </message>
    <message>
        <source>&amp;Save model...</source>
        <translation>&amp;Enregistrer le modèle...</translation>
    </message>
    <message>
        <source>Save as exer&amp;cise...</source>
        <translation>Enregistrer comme e&amp;xercice...</translation>
    </message>
    <message>
        <source>E&amp;xamples</source>
        <translation>E&amp;xemples</translation>
    </message>
    <message>
        <source>A&amp;bout this model</source>
        <translation>&amp;À propos de ce modèle</translation>
    </message>
    <message>
        <source>Model: %1</source>
        <extracomment>%1 is the title of the model file opened last.</extracomment>
        <translation>Modèle : %1</translation>
    </message>
    <message>
        <source>Click for the introduction</source>
        <translation>Cliquez pour l&apos;introduction</translation>
    </message>
</context>
<context>
    <name>velmora::ModelFiles</name>
    <message>
        <source>Open model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written: the fields of the main window do not all hold numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exercise file %1.
A file of that name that was already there is left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistorySaver</name>
    <message>
        <source>Save</source>
        <translation>Sauver</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is too short.
The files are named after it without its last four characters, so it needs at least four after the folder.
Nothing was saved.</source>
        <translation>Le nom « %1 » est trop court.
Les fichiers portent ce nom sans ses quatre derniers caractères : il lui en faut donc au moins quatre après le dossier.
Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written:
%2</source>
        <extracomment>%1 is a file name, %2 the reason the system gave.</extracomment>
        <translation>Le fichier « %1 » n&apos;a pas pu être écrit :
%2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written:
%2
The files after it were not written.</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être écrit :
%2
Les fichiers suivants n&apos;ont pas été écrits.</translation>
    </message>
</context>
<context>
    <name>velmora::copyrigh</name>
    <message>
        <source>Copyright</source>
        <translation>Droits d&apos;auteur</translation>
    </message>
    <message>
        <source>Emblem: an age pyramid of the four age classes, Velmora since 1997</source>
        <translation>Emblème : une pyramide des âges des quatre classes d&apos;âge, Velmora depuis 1997</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK: go on quitting</source>
        <translation>OK : continuer à quitter</translation>
    </message>
</context>
<context>
    <name>velmora::Howto</name>
    <message>
        <source>How to</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK: back to the main window</source>
        <translation>OK : retour à la fenêtre principale</translation>
    </message>
</context>
<context>
    <name>velmora::Introfrm</name>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Introduction to the model</source>
        <translation>Introduction au modèle</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Références</translation>
    </message>
    <message>
        <source>References: the literature behind the model</source>
        <translation>Références : la littérature du modèle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK: back to the main window</source>
        <translation>OK : retour à la fenêtre principale</translation>
    </message>
</context>
<context>
    <name>velmora::Prophecy</name>
    <message>
        <source>Velmora (II): press any key or click to go on</source>
        <translation>Velmora (II) : appuyez sur une touche ou cliquez pour continuer</translation>
    </message>
    <message>
        <source>Picture: the life cycle of the four age classes</source>
        <translation>Image : le cycle de vie des quatre classes d&apos;âge</translation>
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
        <translation>Fenêtre principale</translation>
    </message>
    <message>
        <source>Back to the main window</source>
        <translation>Retour à la fenêtre principale</translation>
    </message>
</context>
<context>
    <name>velmora::Referenc</name>
    <message>
        <source>References</source>
        <translation>Références</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK: back to the main window</source>
        <translation>OK : retour à la fenêtre principale</translation>
    </message>
</context>
<context>
    <name>ScreenTexts</name>
    <message>
        <source>The Lewis-Leslie matrix was developed by Lewis (1942) and by Leslie (1945, 1948).</source>
        <translation>La matrice de Lewis-Leslie a été développée par Lewis (1942) et par Leslie (1945, 1948).</translation>
    </message>
    <message>
        <source>The first row (the red numbers) of the square matrix contains the age-specific fecundities of each age group, the subdiagnol column (the blue numbers) contains the age-specific survival rates.</source>
        <translation>La première ligne (les nombres rouges) de la matrice carrée contient les fécondités par âge de chaque classe d&apos;âge ; la sous-diagonale (les nombres bleus) contient les taux de survie par âge.</translation>
    </message>
    <message>
        <source>A single column matrix (vector) is used to represent the age structure of the population. As the time approaches infinity, the growth rate becomes constant and the age distribution becomes stable.</source>
        <translation>Une matrice à une seule colonne (un vecteur) représente la structure par âge de la population. Quand le temps tend vers l&apos;infini, le taux de croissance devient constant et la répartition par âge devient stable.</translation>
    </message>
    <message>
        <source>I strongly recommend that you learn the Lewis-Leslie matrix using the program Kolvan at first. Then you can learn the harvest theory based on age-specific life table.</source>
        <translation>Je vous recommande vivement d&apos;apprendre d&apos;abord la matrice de Lewis-Leslie avec le programme Kolvan. Vous pourrez ensuite apprendre la théorie du prélèvement fondée sur la table de vie par âge.</translation>
    </message>
    <message>
        <source>This program Velmora (II) is designed for my ecological class.  You can use this program to simulate the growth of population under constant (daily) influence of harvest.  You will see how the harvest affects the growth.</source>
        <translation>Ce programme Velmora (II) est conçu pour mon cours d&apos;écologie. Il permet de simuler la croissance d&apos;une population soumise à un prélèvement constant (quotidien). Vous verrez comment le prélèvement agit sur la croissance.</translation>
    </message>
    <message>
        <source>If the harvest rate is low, the growth rate will settle down to a stable rate as time approaching infinity. If the harvest rate is high, the growth of the population decreases. Eventually, the population decreases to zero.</source>
        <translation>Si le prélèvement est faible, le taux de croissance se stabilise quand le temps tend vers l&apos;infini. S&apos;il est élevé, la croissance de la population diminue. Finalement, la population tombe à zéro.</translation>
    </message>
    <message>
        <source>You should learn to find a proper harvest rate and the stable age structure which can make the population self-sustained. A proper harvest rate here means the net reproductive rate Ro=1.</source>
        <translation>Apprenez à trouver un prélèvement adapté et la structure par âge stable qui permettent à la population de se maintenir. Un prélèvement adapté signifie ici un taux net de reproduction Ro=1.</translation>
    </message>
    <message>
        <source>Press on the graph button, you will see the change of the total population size, the change of growth rate, age-structure, and the age distribution. The harvest rate which make the population self-sustained can be solved numerically.</source>
        <translation>Avec le bouton Graphe, vous verrez l&apos;évolution de l&apos;effectif total, du taux de croissance, de la structure par âge et de la répartition par âge. Le prélèvement qui permet à la population de se maintenir peut être calculé numériquement.</translation>
    </message>
    <message>
        <source>The Lewis-Leslie matrix is valid for age-structured populations. However, it does not take the stage differentiation into account. It ignores the sexual differentiation too.</source>
        <translation>La matrice de Lewis-Leslie vaut pour les populations structurées par âge. Elle ne tient cependant pas compte des stades de développement. Elle ignore aussi la distinction des sexes.</translation>
    </message>
    <message>
        <source>For insect and mite populations, there are significant stage overlapping. It means that individuals of the same age may be in different developmental stage. Because individuals of different stages may be quite different in the susceptibility to insecticides, predation rate, vulnerability to predator, behavior, and others, it is important to take the age-stage structure into consideration.</source>
        <translation>Chez les insectes et les acariens, les stades se chevauchent beaucoup : des individus du même âge peuvent être à des stades de développement différents. Comme les individus de stades différents peuvent différer nettement par la sensibilité aux insecticides, le taux de prédation, la vulnérabilité aux prédateurs, le comportement et d&apos;autres traits, il est important de tenir compte de la structure par âge et par stade.</translation>
    </message>
    <message>
        <source>The program Peramo is designed for the raw data analysis and life table analysis. You are welcome to try it using your own data.  You will find it is very useful. Moreover, you will find (using your own data) that the two-sex life table theory is correct in both data analysis and theory.</source>
        <translation>Le programme Peramo est conçu pour l&apos;analyse des données brutes et des tables de vie. Essayez-le volontiers avec vos propres données. Vous le trouverez très utile. De plus, vous constaterez (avec vos propres données) que la théorie de la table de vie à deux sexes est juste, en analyse de données comme en théorie.</translation>
    </message>
    <message>
        <source>After you understand the two-sex life table, you can then learn the harvest theory based on the two-sex life table and the periodic harvest.</source>
        <translation>Une fois la table de vie à deux sexes comprise, vous pourrez apprendre la théorie du prélèvement fondée sur la table de vie à deux sexes et le prélèvement périodique.</translation>
    </message>
    <message>
        <source>What is the total population size at t = 2?</source>
        <translation>Quel est l&apos;effectif total de la population à t = 2 ?</translation>
    </message>
    <message>
        <source>Which age class holds the most individuals at t = 4?</source>
        <translation>Quelle classe d&apos;âge compte le plus d&apos;individus à t = 4 ?</translation>
    </message>
    <message>
        <source>Does the growth rate settle down as t grows? Look at the graphs.</source>
        <translation>Le taux de croissance se stabilise-t-il quand t augmente ? Regardez les graphes.</translation>
    </message>
    <message>
        <source>Click on  &quot;How To&quot; to see this page.</source>
        <translation>Cliquez sur « Aide » pour voir cette page.</translation>
    </message>
    <message>
        <source>Click on  &quot;Quit&quot; to quit the program.</source>
        <translation>Cliquez sur « Fin » pour quitter le programme.</translation>
    </message>
    <message>
        <source>Click Graph to see the graphs.</source>
        <translation>Cliquez sur « Graphe » pour voir les graphes.</translation>
    </message>
    <message>
        <source>Click Intro to see the theoretical introduction.</source>
        <translation>Cliquez sur « Intro » pour voir l&apos;introduction théorique.</translation>
    </message>
    <message>
        <source>Click Project or the big right arrow sign to calculate the population structure N(t+1).</source>
        <translation>Cliquez sur « Projeter » ou sur la grande flèche vers la droite pour calculer la structure de la population N(t+1).</translation>
    </message>
    <message>
        <source>Click Transit or the big left arrow sign to move the population structure to the left side.</source>
        <translation>Cliquez sur « Passer » ou sur la grande flèche vers la gauche pour reporter la structure de la population à gauche.</translation>
    </message>
    <message>
        <source>Click Change Default Values to change the default values.</source>
        <translation>Cliquez sur « Modifier les valeurs » pour modifier les valeurs initiales.</translation>
    </message>
    <message>
        <source>Click Print to print the page (your printer must be connected to LPT1).</source>
        <translation>Cliquez sur « Impr. » pour imprimer la page (l&apos;imprimante doit être branchée sur LPT1).</translation>
    </message>
    <message>
        <source>Click the right mouse button on this main window (or press the Menu key) for analysis, model files, examples and more.</source>
        <translation>Cliquez avec le bouton droit dans cette fenêtre principale (ou appuyez sur la touche Menu) pour l&apos;analyse, les fichiers de modèle, les exemples et plus encore.</translation>
    </message>
    <message>
        <source>This program is protected by national copyright laws and by international treaties.</source>
        <translation>Ce programme est protégé par les lois nationales sur le droit d&apos;auteur et par les traités internationaux.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tous droits réservés.</translation>
    </message>
    <message>
        <source>Copyright © %1 the Velmora project</source>
        <extracomment>%1 is the years, such as 1997-2026.</extracomment>
        <translation>Copyright © %1 Projet Velmora</translation>
    </message>
    <message>
        <source>If you use this program in your research, please cite the following  reference in your paper:</source>
        <translation>Si vous utilisez ce programme dans vos recherches, merci de citer la référence suivante dans votre article :</translation>
    </message>
    <message>
        <source>New versions can be obtained at %1
(the Velmora project site) or
%2
(the Velmora project mirror).</source>
        <extracomment>Four lines: %1 and %2 are web addresses.</extracomment>
        <translation>Les nouvelles versions sont sur %1
(site du projet Velmora) ou
%2
(miroir du projet Velmora).</translation>
    </message>
    <message>
        <source>Velmora (II): an age-structured population under a constant harvest. Four age classes, 0 to 3. Newborns of classes 1, 2 and 3 enter class 0 (fecundities f1 = 1, f2 = 2, f3 = 1). A share of each class reaches the next age (survival rates s0 = 0.5, s1 = 1, s2 = 0.5). The harvest H0 = 5 leaves class 0 at every step. N(t+1) = M · N(t) − H; classes that would fall below zero are set to 0. Click or press a key to begin.</source>
        <translation>Velmora (II) : une population structurée par âge sous un prélèvement constant. Quatre classes d&apos;âge, de 0 à 3. Les nouveau-nés des classes 1, 2 et 3 entrent dans la classe 0 (fécondités f1 = 1, f2 = 2, f3 = 1). Une part de chaque classe atteint l&apos;âge suivant (taux de survie s0 = 0.5, s1 = 1, s2 = 0.5). Le prélèvement H0 = 5 quitte la classe 0 à chaque pas. N(t+1) = M · N(t) − H ; les classes qui passeraient sous zéro sont mises à 0. Cliquez ou appuyez sur une touche pour commencer.</translation>
    </message>
    <message>
        <source>Age %1</source>
        <extracomment>The picture screen&apos;s words. %1 is the age class number, inside a small circle.</extracomment>
        <translation>Âge %1</translation>
    </message>
    <message>
        <source>An age-structured population under a constant harvest</source>
        <translation>Une population structurée par âge sous un prélèvement constant</translation>
    </message>
    <message>
        <source>classes that would fall below zero are set to 0</source>
        <translation>les classes qui passeraient sous zéro sont mises à 0</translation>
    </message>
    <message>
        <source>Click or press a key to begin</source>
        <translation>Cliquez ou appuyez sur une touche pour commencer</translation>
    </message>
    <message>
        <source>Quiz: step the default model</source>
        <translation>Quiz : faites avancer le modèle</translation>
    </message>
    <message>
        <source>Start with the default values: N(0) = 10, 10, 10, 10 and H = 5, 0, 0, 0. Use Project and Transit to answer:</source>
        <translation>Partez des valeurs initiales : N(0) = 10, 10, 10, 10 et H = 5, 0, 0, 0. Répondez avec Projeter et Passer :</translation>
    </message>
    <message>
        <source>age classes</source>
        <extracomment>Under the emblem&apos;s age pyramid, in a narrow box.</extracomment>
        <translation>classes d&apos;âge</translation>
    </message>
    <message>
        <source>since 1997</source>
        <translation>depuis 1997</translation>
    </message>
</context>
<context>
    <name>velmora::titlform</name>
    <message>
        <source>Velmora (II): press any key or click to start</source>
        <translation>Velmora (II) : appuyez sur une touche ou cliquez pour commencer</translation>
    </message>
    <message>
        <source>Press any key or click mouse to start.</source>
        <translation>Touche ou clic pour commencer.</translation>
    </message>
</context>
<context>
    <name>velmora::Vater</name>
    <message>
        <source>Dedication</source>
        <translation>Dédicace</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <translation>Paix à son âme</translation>
    </message>
    <message>
        <source>God rest his soul: end the program</source>
        <translation>Paix à son âme : quitter le programme</translation>
    </message>
</context>
<context>
    <name>velmora::Navigation</name>
    <message>
        <source>Life cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This exercise keeps the analysis windows closed while it is open: the answers are yours to find. Close the Exercise window to use them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::YieldWindow</name>
    <message>
        <source>quota</source>
        <translation type="unfinished">quota</translation>
    </message>
    <message>
        <source>rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>escapement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K must be a number above 0: the density at which the population settles without harvest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the stages counted in the density again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some stage never dies (I - U has no inverse), so R0 has no value and the density dependence cannot be set from K.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R0 = %1: a population that cannot more than replace itself even when sparse never settles at K, and no harvest of it lasts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The model does not pass its checks: mend it in the Life cycle window first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under the %1 the population has no stable rest at its MSY: the yield is the mean over a cycle of %2 steps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under the %1 the population has no stable rest at its MSY: it swings irregularly (chaos), and the yield is the mean over 600 steps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harvest and yield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beverton-Holt: F / (1 + b D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ricker: F exp(-b D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ceiling: D at most K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Density dependence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K, the density at rest without harvest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D, the sum of the counted stages, settles at K without harvest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stages counted in the density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stages harvested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Density dependence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stages &amp;counted in D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stages &amp;harvested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mpute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress of the curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart: the yield of each way against its level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart: the population after one bad year, each way at 90 % of its MSY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loss in the bad year, percent of every stage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loss in the bad year, % of every stage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each way&apos;s MSY and its edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MSY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total at MSY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>90 % of MSY at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unstable rest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fatal loss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risk there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under a quota, the total of the rest point below the settled one: a population pushed below it falls to 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The smallest share of every stage lost in one bad year, at 90 % of MSY, after which the population falls to 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chance of falling below the threshold within the steps of the Risk window, under its variation and seed, from the total there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check at least one stage to count in the density.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check at least one stage to harvest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracing the yield curves...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The work could not start a thread (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled: no curve is shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No positive population rests at K without harvest, so there is no yield curve to draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the stages harvested again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 after a loss of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At 90 % of its MSY, one bad year sends the population to 0 under %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under the %1 it recovers from any loss short of all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and the </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The risks were not run: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under variation (survival CV %1, fecundity CV %2%3; %4 replicates, seed %5), the chance of falling below %6 within %7 steps, each way at 90 % of its MSY: %8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, whole animals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q, h or E as a share of its range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yield a step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MSY, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: yield %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none short of all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loss is a percentage from 0 to 100.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t; the bad year strikes at t = 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N(t), total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
