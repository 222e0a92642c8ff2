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
        <translation type="unfinished">Exercice : %1</translation>
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
        <translation type="unfinished">« %1 » n&apos;a pas pu être écrit : %2</translation>
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
        <source>The picture could not be drawn.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ExerciseWindow</name>
    <message>
        <source>Exercise: %1</source>
        <translation>Exercice : %1</translation>
    </message>
    <message>
        <source>Your &amp;name or number:</source>
        <translation>Votre &amp;nom ou numéro :</translation>
    </message>
    <message>
        <source>Your name or number</source>
        <translation>Votre nom ou numéro</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>&amp;Commencer</translation>
    </message>
    <message>
        <source>Draws your own numbers and puts the model in place</source>
        <translation>Tire vos propres nombres et met le modèle en place</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Answer to question %1</source>
        <translation>Réponse à la question %1</translation>
    </message>
    <message>
        <source>Mark of question %1</source>
        <translation>Note de la question %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>Sa&amp;ve answers...</source>
        <translation>&amp;Enregistrer les réponses...</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Your numbers break a rule of the model: %1
Tell your teacher.</source>
        <translation>Vos nombres enfreignent une règle du modèle : %1
Prévenez votre enseignant.</translation>
    </message>
    <message numerus="yes">
        <source>%n number(s) apart by blanks</source>
        <translation>
            <numerusform>%n nombre</numerusform>
            <numerusform>%n nombres séparés par des espaces</numerusform>
        </translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Juste.</translation>
    </message>
    <message>
        <source>Close: check your rounding.</source>
        <translation>Presque : vérifiez votre arrondi.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <translation>Faux.</translation>
    </message>
    <message>
        <source>Wrong. Hint: %1</source>
        <translation>Faux. Indice : %1</translation>
    </message>
    <message>
        <source>No tries left: this answer stays as it is.</source>
        <translation>Plus d&apos;essai : cette réponse reste telle quelle.</translation>
    </message>
    <message>
        <source>Try %1 of %2.</source>
        <translation>Essai %1 sur %2.</translation>
    </message>
    <message>
        <source>Score: %1 of %2</source>
        <translation>Score : %1 sur %2</translation>
    </message>
    <message>
        <source>Save answers</source>
        <translation>Enregistrer les réponses</translation>
    </message>
    <message>
        <source>The answers were not saved: %1</source>
        <translation>Les réponses n&apos;ont pas été enregistrées : %1</translation>
    </message>
    <message>
        <source>grows</source>
        <extracomment>A choice of answer: the population grows, falls or holds.</extracomment>
        <translation>croît</translation>
    </message>
    <message>
        <source>falls</source>
        <translation>décroît</translation>
    </message>
    <message>
        <source>holds</source>
        <translation>se maintient</translation>
    </message>
</context>
<context>
    <name>LifeCycleGraph</name>
    <message>
        <source>reproduction (F)</source>
        <translation>reproduction (F)</translation>
    </message>
    <message>
        <source>clonal reproduction (C)</source>
        <translation>reproduction clonale (C)</translation>
    </message>
    <message>
        <source>survival and growth (U)</source>
        <translation>survie et croissance (U)</translation>
    </message>
    <message>
        <source>Life cycle</source>
        <translation>Cycle de vie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written: the picture could not be drawn.</source>
        <translation>« %1 » n&apos;a pas été écrit : l&apos;image n&apos;a pas pu être dessinée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>« %1 » n&apos;a pas pu être écrit : %2</translation>
    </message>
</context>
<context>
    <name>velmora::LifeCycleWindow</name>
    <message>
        <source>total</source>
        <translation>total</translation>
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
        <translation>Cycle de vie</translation>
    </message>
    <message>
        <source>Harvest and &amp;yield...</source>
        <translation>Prélèvement et &amp;rendement...</translation>
    </message>
    <message>
        <source>Life-cycle graph</source>
        <translation>Graphe du cycle de vie</translation>
    </message>
    <message>
        <source>Analysis of the model as it stands</source>
        <translation>Analyse du modèle tel qu&apos;il est</translation>
    </message>
    <message>
        <source>Life-cycle gra&amp;ph</source>
        <translation>&amp;Graphe du cycle</translation>
    </message>
    <message>
        <source>A&amp;nalysis</source>
        <translation>A&amp;nalyse</translation>
    </message>
    <message>
        <source>Stages: name, N(0) and harvest H</source>
        <translation>Stades : nom, N(0) et prélèvement H</translation>
    </message>
    <message>
        <source>Stages: name, N(0) and H</source>
        <translation>Stades : nom, N(0) et H</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
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
        <translation>U, survie et croissance</translation>
    </message>
    <message>
        <source>F, reproduction</source>
        <translation>F, reproduction</translation>
    </message>
    <message>
        <source>C, clonal reproduction</source>
        <translation>C, reproduction clonale</translation>
    </message>
    <message>
        <source>&amp;U: survival and growth</source>
        <translation>&amp;U: survie et croissance</translation>
    </message>
    <message>
        <source>&amp;F: reproduction</source>
        <translation>&amp;F: reproduction</translation>
    </message>
    <message>
        <source>&amp;C: clonal</source>
        <translation>&amp;C: clonale</translation>
    </message>
    <message>
        <source>Column: the stage moved from; row: the stage moved to. Each column sums to at most 1.</source>
        <translation>Colonne : le stade de départ ; ligne : le stade d&apos;arrivée. Chaque colonne fait au plus 1 au total.</translation>
    </message>
    <message>
        <source>Column: the parents&apos; stage; row: the stage the young are born into.</source>
        <translation>Colonne : le stade des parents ; ligne : le stade où naissent les jeunes.</translation>
    </message>
    <message>
        <source>&amp;Add stage</source>
        <translation>&amp;Ajouter un stade</translation>
    </message>
    <message>
        <source>Add a stage after the selected one</source>
        <translation>Ajouter un stade après celui sélectionné</translation>
    </message>
    <message>
        <source>Re&amp;move stage</source>
        <translation>&amp;Retirer le stade</translation>
    </message>
    <message>
        <source>Remove the selected stage</source>
        <translation>Retirer le stade sélectionné</translation>
    </message>
    <message>
        <source>C&amp;lonal reproduction</source>
        <translation>Reproduction c&amp;lonale</translation>
    </message>
    <message>
        <source>Chart: each stage and the total over t</source>
        <translation>Graphique : chaque stade et le total au fil de t</translation>
    </message>
    <message>
        <source>&amp;Step</source>
        <translation>&amp;Pas</translation>
    </message>
    <message>
        <source>Step: one step</source>
        <translation>Pas : un pas</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>Run: as many steps as the steps box says</source>
        <translation>Lancer : autant de pas que l&apos;indique la case des pas</translation>
    </message>
    <message>
        <source>Steps of a run</source>
        <translation>Pas d&apos;une exécution</translation>
    </message>
    <message>
        <source>st&amp;eps</source>
        <translation>p&amp;as</translation>
    </message>
    <message>
        <source>L&amp;og scale</source>
        <translation>Échelle l&amp;og.</translation>
    </message>
    <message>
        <source>Save &amp;graph...</source>
        <translation>Sauver le &amp;graphe...</translation>
    </message>
    <message>
        <source>Save the graph as a picture, SVG or PNG</source>
        <translation>Enregistrer le graphe comme image, SVG ou PNG</translation>
    </message>
    <message>
        <source>A name ending in .svg saves SVG, any other name PNG</source>
        <translation>Un nom finissant par .svg enregistre en SVG, tout autre en PNG</translation>
    </message>
    <message>
        <source>Send to main &amp;window</source>
        <translation>Vers la fenêtre &amp;principale</translation>
    </message>
    <message>
        <source>Send the model to the main window</source>
        <translation>Envoyer le modèle à la fenêtre principale</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Go back: back to the main window</source>
        <translation>Retour : retour à la fenêtre principale</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Source : %1</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>depuis %1</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>vers %1</translation>
    </message>
    <message>
        <source>Show this model in the main window</source>
        <translation>Afficher ce modèle dans la fenêtre principale</translation>
    </message>
    <message>
        <source>Only a 4-stage Leslie model fits the main window: births into stage 1 and survival to the next stage only</source>
        <translation>Seul un modèle de Leslie à 4 stades tient dans la fenêtre principale : naissances dans le stade 1 et survie vers le stade suivant uniquement</translation>
    </message>
    <message>
        <source>This exercise keeps the analysis closed while it is open: the answers are yours to find.</source>
        <translation>Cet exercice garde l&apos;analyse fermée tant qu&apos;il est ouvert : c&apos;est à vous de trouver les réponses.</translation>
    </message>
    <message>
        <source>&amp;Density: %1, K = %2</source>
        <extracomment>%1 is the form of density dependence (Beverton-Holt, Ricker or ceiling), %2 a number.</extracomment>
        <translation>&amp;Densité : %1, K = %2</translation>
    </message>
    <message>
        <source>Density dependence on Step and Run</source>
        <translation>Dépendance à la densité pour Pas et Lancer</translation>
    </message>
    <message>
        <source>R0 = %1: with density dependence a population must more than replace itself when sparse. Switch density off to project the model as it stands.</source>
        <translation>R0 = %1 : avec dépendance à la densité, une population doit plus que se remplacer quand elle est clairsemée. Désactivez la densité pour projeter le modèle tel qu&apos;il est.</translation>
    </message>
    <message>
        <source>Density dependence cannot be applied to the model as it stands. Switch density off to project it.</source>
        <translation>La dépendance à la densité ne peut pas s&apos;appliquer au modèle tel qu&apos;il est. Désactivez la densité pour le projeter.</translation>
    </message>
    <message>
        <source>t = %1   total N(t) = %2</source>
        <translation>t = %1   total N(t) = %2</translation>
    </message>
    <message>
        <source>   growth rate N(t)/N(t-1) = %1</source>
        <translation>   taux de croissance N(t)/N(t-1) = %1</translation>
    </message>
    <message>
        <source>life cycle.png</source>
        <translation>cycle de vie.png</translation>
    </message>
    <message>
        <source>Save graph</source>
        <translation>Enregistrer le graphe</translation>
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
        <translation>plafond</translation>
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
        <translation type="unfinished">Prélèvement et &amp;rendement...</translation>
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
        <translation>Ouvrir un modèle</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written: the fields of the main window do not all hold numbers</source>
        <translation>« %1 » n&apos;a pas été écrit : les champs de la fenêtre principale ne contiennent pas tous des nombres</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Save as exercise</source>
        <translation>Enregistrer comme exercice</translation>
    </message>
    <message>
        <source>The exercise file %1.
A file of that name that was already there is left as it was.</source>
        <translation>Le fichier d&apos;exercice %1.
Un fichier de ce nom déjà présent reste tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>This model file was not opened:
%1

Nothing was changed.</source>
        <translation>Ce fichier de modèle n&apos;a pas été ouvert :
%1

Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Enregistrer le modèle</translation>
    </message>
    <message>
        <source>The model file %1.
A file of that name that was already there is left as it was.</source>
        <extracomment>%1 says what went wrong (&quot;&quot;a.velmora&quot; could not be written: ...&quot;).</extracomment>
        <translation>Le fichier de modèle %1.
Un fichier de ce nom déjà présent reste tel qu&apos;il était.</translation>
    </message>
</context>
<context>
    <name>velmora::Navigation</name>
    <message>
        <source>Life cycle</source>
        <translation>Cycle de vie</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>This exercise keeps the analysis windows closed while it is open: the answers are yours to find. Close the Exercise window to use them.</source>
        <translation>Cet exercice garde les fenêtres d&apos;analyse fermées tant qu&apos;il est ouvert : c&apos;est à vous de trouver les réponses. Fermez la fenêtre Exercice pour les utiliser.</translation>
    </message>
</context>
<context>
    <name>velmora::YieldWindow</name>
    <message>
        <source>quota</source>
        <translation>quota</translation>
    </message>
    <message>
        <source>rate</source>
        <translation>taux</translation>
    </message>
    <message>
        <source>escapement</source>
        <translation>échappement</translation>
    </message>
    <message>
        <source>K must be a number above 0: the density at which the population settles without harvest.</source>
        <translation>K doit être un nombre supérieur à 0 : la densité à laquelle la population se stabilise sans prélèvement.</translation>
    </message>
    <message>
        <source>Choose the stages counted in the density again.</source>
        <translation>Choisissez à nouveau les stades comptés dans la densité.</translation>
    </message>
    <message>
        <source>Some stage never dies (I - U has no inverse), so R0 has no value and the density dependence cannot be set from K.</source>
        <translation>Un stade ne meurt jamais (I - U n&apos;a pas d&apos;inverse) : R0 n&apos;a donc pas de valeur et la dépendance à la densité ne peut pas être fixée à partir de K.</translation>
    </message>
    <message>
        <source>R0 = %1: a population that cannot more than replace itself even when sparse never settles at K, and no harvest of it lasts.</source>
        <translation>R0 = %1 : une population qui ne peut pas plus que se remplacer, même clairsemée, ne se stabilise jamais à K, et aucun prélèvement n&apos;y est durable.</translation>
    </message>
    <message>
        <source>The model does not pass its checks: mend it in the Life cycle window first.</source>
        <translation>Le modèle ne passe pas ses vérifications : corrigez-le d&apos;abord dans la fenêtre Cycle de vie.</translation>
    </message>
    <message>
        <source>Harvest and yield</source>
        <translation>Prélèvement et rendement</translation>
    </message>
    <message>
        <source>Beverton-Holt: F / (1 + b D)</source>
        <translation>Beverton-Holt : F / (1 + b D)</translation>
    </message>
    <message>
        <source>Ricker: F exp(-b D)</source>
        <translation>Ricker : F exp(-b D)</translation>
    </message>
    <message>
        <source>Ceiling: D at most K</source>
        <translation>Plafond : D au plus K</translation>
    </message>
    <message>
        <source>Density dependence</source>
        <translation>Dépendance à la densité</translation>
    </message>
    <message>
        <source>K, the density at rest without harvest</source>
        <translation>K, la densité au repos sans prélèvement</translation>
    </message>
    <message>
        <source>D, the sum of the counted stages, settles at K without harvest</source>
        <translation>D, la somme des stades comptés, se stabilise à K sans prélèvement</translation>
    </message>
    <message>
        <source>Stages counted in the density</source>
        <translation>Stades comptés dans la densité</translation>
    </message>
    <message>
        <source>Stages harvested</source>
        <translation>Stades prélevés</translation>
    </message>
    <message>
        <source>&amp;Density dependence</source>
        <translation>&amp;Dépendance à la densité</translation>
    </message>
    <message>
        <source>&amp;K</source>
        <translation>&amp;K</translation>
    </message>
    <message>
        <source>Stages &amp;counted in D</source>
        <translation>Stades &amp;comptés dans D</translation>
    </message>
    <message>
        <source>Stages &amp;harvested</source>
        <translation>Stades &amp;prélevés</translation>
    </message>
    <message>
        <source>Co&amp;mpute</source>
        <translation>Calcu&amp;ler</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Progress of the curves</source>
        <translation>Progression des courbes</translation>
    </message>
    <message>
        <source>Chart: the yield of each way against its level</source>
        <translation>Graphique : le rendement de chaque mode selon son niveau</translation>
    </message>
    <message>
        <source>Chart: the population after one bad year, each way at 90 % of its MSY</source>
        <translation>Graphique : la population après une mauvaise année, chaque mode à 90 % de son MSY</translation>
    </message>
    <message>
        <source>Loss in the bad year, percent of every stage</source>
        <translation>Perte de la mauvaise année, pourcentage de chaque stade</translation>
    </message>
    <message>
        <source>&amp;Loss in the bad year, % of every stage</source>
        <translation>Pe&amp;rte de la mauvaise année, % de chaque stade</translation>
    </message>
    <message>
        <source>Each way&apos;s MSY and its edge</source>
        <translation>Le MSY de chaque mode et sa limite</translation>
    </message>
    <message>
        <source>Way</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>MSY</source>
        <translation>MSY</translation>
    </message>
    <message>
        <source>at</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Total at MSY</source>
        <translation>Total au MSY</translation>
    </message>
    <message>
        <source>90 % of MSY at</source>
        <translation>90 % MSY à</translation>
    </message>
    <message>
        <source>Total there</source>
        <translation>Total là</translation>
    </message>
    <message>
        <source>Unstable rest</source>
        <translation>Repos instable</translation>
    </message>
    <message>
        <source>Fatal loss</source>
        <translation>Perte fatale</translation>
    </message>
    <message>
        <source>Risk there</source>
        <translation>Risque là</translation>
    </message>
    <message>
        <source>Under a quota, the total of the rest point below the settled one: a population pushed below it falls to 0</source>
        <translation>Sous un quota, le total du point de repos sous celui atteint : une population poussée en dessous tombe à 0</translation>
    </message>
    <message>
        <source>The smallest share of every stage lost in one bad year, at 90 % of MSY, after which the population falls to 0</source>
        <translation>La plus petite part de chaque stade perdue en une mauvaise année, à 90 % du MSY, après laquelle la population tombe à 0</translation>
    </message>
    <message>
        <source>The chance of falling below the threshold within the steps of the Risk window, under its variation and seed, from the total there</source>
        <translation>La probabilité de passer sous le seuil dans les pas de la fenêtre du risque, avec sa variation et sa graine, à partir du total là</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Check at least one stage to count in the density.</source>
        <translation>Cochez au moins un stade à compter dans la densité.</translation>
    </message>
    <message>
        <source>Check at least one stage to harvest.</source>
        <translation>Cochez au moins un stade à prélever.</translation>
    </message>
    <message>
        <source>Tracing the yield curves...</source>
        <translation>Tracé des courbes de rendement...</translation>
    </message>
    <message>
        <source>The work could not start a thread (%1).</source>
        <translation>Le calcul n&apos;a pas pu démarrer de thread (%1).</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>Cancelled: no curve is shown.</source>
        <translation>Annulé : aucune courbe n&apos;est affichée.</translation>
    </message>
    <message>
        <source>No positive population rests at K without harvest, so there is no yield curve to draw.</source>
        <translation>Aucune population positive ne reste à K sans prélèvement : il n&apos;y a donc pas de courbe de rendement à tracer.</translation>
    </message>
    <message>
        <source>Choose the stages harvested again.</source>
        <translation>Choisissez à nouveau les stades prélevés.</translation>
    </message>
    <message>
        <source>At 90 % of its MSY, one bad year sends the population to 0 under %1.</source>
        <translation>À 90 % de son MSY, une mauvaise année fait tomber la population à 0 sous %1.</translation>
    </message>
    <message>
        <source>no way</source>
        <translation>aucun mode</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>The risks were not run: %1</source>
        <translation>Les risques n&apos;ont pas été calculés : %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Under variation (survival CV %1, fecundity CV %2%3; %4 replicates, seed %5), the chance of falling below %6 within %7 steps, each way at 90 % of its MSY: %8.</source>
        <translation>Avec variation (CV de survie %1, CV de fécondité %2%3 ; %4 répétitions, graine %5), la probabilité de passer sous %6 en %7 pas, chaque mode à 90 % de son MSY : %8.</translation>
    </message>
    <message>
        <source>, whole animals</source>
        <translation>, animaux entiers</translation>
    </message>
    <message>
        <source>Q, h or E as a share of its range</source>
        <translation>Q, h ou E en part de son intervalle</translation>
    </message>
    <message>
        <source>yield a step</source>
        <translation>rendement par pas</translation>
    </message>
    <message>
        <source>MSY, %1</source>
        <translation>MSY, %1</translation>
    </message>
    <message>
        <source>%1: yield %2</source>
        <translation>%1 : rendement %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>none short of all</source>
        <translation>seule totale</translation>
    </message>
    <message>
        <source>The loss is a percentage from 0 to 100.</source>
        <translation>La perte est un pourcentage de 0 à 100.</translation>
    </message>
    <message>
        <source>t; the bad year strikes at t = 1</source>
        <translation>t ; la mauvaise année frappe à t = 1</translation>
    </message>
    <message>
        <source>N(t), total</source>
        <translation>N(t), total</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>the quota</source>
        <extracomment>As in &quot;under the quota&quot;; &quot;under %1 it recovers&quot; puts it after &quot;under&quot;.</extracomment>
        <translation>le quota</translation>
    </message>
    <message>
        <source>the rate</source>
        <translation>le taux</translation>
    </message>
    <message>
        <source>the escapement</source>
        <translation>l&apos;échappement</translation>
    </message>
    <message>
        <source>Under the quota the population has no stable rest at its MSY: the yield is the mean over a cycle of %1 steps.</source>
        <translation>Sous le quota, la population n&apos;a pas de repos stable à son MSY : le rendement est la moyenne sur un cycle de %1 pas.</translation>
    </message>
    <message>
        <source>Under the rate the population has no stable rest at its MSY: the yield is the mean over a cycle of %1 steps.</source>
        <translation>Sous le taux, la population n&apos;a pas de repos stable à son MSY : le rendement est la moyenne sur un cycle de %1 pas.</translation>
    </message>
    <message>
        <source>Under the escapement the population has no stable rest at its MSY: the yield is the mean over a cycle of %1 steps.</source>
        <translation>Sous l&apos;échappement, la population n&apos;a pas de repos stable à son MSY : le rendement est la moyenne sur un cycle de %1 pas.</translation>
    </message>
    <message>
        <source>Under the quota the population has no stable rest at its MSY: it swings irregularly (chaos), and the yield is the mean over 600 steps.</source>
        <translation>Sous le quota, la population n&apos;a pas de repos stable à son MSY : elle oscille irrégulièrement (chaos), et le rendement est la moyenne sur 600 pas.</translation>
    </message>
    <message>
        <source>Under the rate the population has no stable rest at its MSY: it swings irregularly (chaos), and the yield is the mean over 600 steps.</source>
        <translation>Sous le taux, la population n&apos;a pas de repos stable à son MSY : elle oscille irrégulièrement (chaos), et le rendement est la moyenne sur 600 pas.</translation>
    </message>
    <message>
        <source>Under the escapement the population has no stable rest at its MSY: it swings irregularly (chaos), and the yield is the mean over 600 steps.</source>
        <translation>Sous l&apos;échappement, la population n&apos;a pas de repos stable à son MSY : elle oscille irrégulièrement (chaos), et le rendement est la moyenne sur 600 pas.</translation>
    </message>
    <message>
        <source>%1 after a loss of %2</source>
        <extracomment>%1 is a way with its article (&quot;the quota&quot;), %2 a percentage.</extracomment>
        <translation>%1 après une perte de %2</translation>
    </message>
    <message>
        <source>Under %1 it recovers from any loss short of all.</source>
        <extracomment>%1 names one to three ways with their articles (&quot;the quota and the rate&quot;).</extracomment>
        <translation>Sous %1, elle se rétablit de toute perte non totale.</translation>
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
    <name>velmora::AnalysisWindow</name>
    <message>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Model analysis</source>
        <translation>Analyse du modèle</translation>
    </message>
    <message>
        <source>Recompute</source>
        <translation>Recalculer</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Recompute: analyse the main window&apos;s model again</source>
        <translation>Recalculer : analyser à nouveau le modèle de la fenêtre principale</translation>
    </message>
    <message>
        <source>Go back: back to the main window</source>
        <translation>Retour : retour à la fenêtre principale</translation>
    </message>
    <message>
        <source>The fields of the main window do not all hold numbers: there is nothing to analyse.</source>
        <translation>Les champs de la fenêtre principale ne contiennent pas tous des nombres : il n&apos;y a rien à analyser.</translation>
    </message>
    <message>
        <source>M: fecundities %1; survival rates %2.   H = (%3).   N(t) = (%4) at t = %5.</source>
        <extracomment>%1 fecundities, %2 survival rates, %3 harvests, %4 numbers, %5 the year t</extracomment>
        <translation>M : fécondités %1 ; taux de survie %2.   H = (%3).   N(t) = (%4) à t = %5.</translation>
    </message>
</context>
<context>
    <name>ReportCells</name>
    <message>
        <source>class %1</source>
        <translation>classe %1</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>%1 is a figure&apos;s name, %2 and %3 the row and column of its cell.</extracomment>
        <translation>%1, ligne %2, colonne %3</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer.</source>
        <translation>La page n&apos;a pas pu être envoyée à l&apos;imprimante.</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.
Do you want to save the page as a PDF file instead?</source>
        <translation>Aucune imprimante n&apos;est configurée sur cet ordinateur.
Voulez-vous plutôt enregistrer la page en fichier PDF ?</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>La page n&apos;a pas pu être dessinée.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written:
%2</source>
        <translation>Le fichier PDF « %1 » n&apos;a pas pu être écrit :
%2</translation>
    </message>
</context>
<context>
    <name>StageEdit</name>
    <message>
        <source>&quot;%1&quot; is not a number. Type a number such as 0.25 or 1E-3 to try again.</source>
        <translation>« %1 » n&apos;est pas un nombre. Tapez un nombre comme 0.25 ou 1E-3 pour réessayer.</translation>
    </message>
    <message>
        <source>stage %1</source>
        <extracomment>The name a new stage gets until the student names it.</extracomment>
        <translation>stade %1</translation>
    </message>
    <message>
        <source>A life cycle needs at least one stage.</source>
        <translation>Un cycle de vie a besoin d&apos;au moins un stade.</translation>
    </message>
    <message>
        <source>A life cycle has at most %1 stages.</source>
        <translation>Un cycle de vie a au plus %1 stades.</translation>
    </message>
    <message>
        <source>The grids do not all have one row and one column a stage.</source>
        <translation>Les grilles n&apos;ont pas toutes une ligne et une colonne par stade.</translation>
    </message>
    <message>
        <source>Stage %1 must have a name. Type a name to try again.</source>
        <translation>Le stade %1 doit avoir un nom. Tapez un nom pour réessayer.</translation>
    </message>
    <message>
        <source>Two stages are called &quot;%1&quot;: each stage must have a name of its own. Type another name to try again.</source>
        <translation>Deux stades s&apos;appellent « %1 » : chaque stade doit avoir son propre nom. Tapez un autre nom pour réessayer.</translation>
    </message>
    <message>
        <source>The number is too large. Type new data to try again.</source>
        <translation>Le nombre est trop grand. Tapez de nouvelles données pour réessayer.</translation>
    </message>
    <message>
        <source>Survival and growth (the U grid) must be &gt;=0. Type new data to try again.</source>
        <translation>La survie et la croissance (la grille U) doivent être &gt;=0. Tapez de nouvelles données pour réessayer.</translation>
    </message>
    <message>
        <source>Reproduction (the F grid) must be &gt;=0. Type new data to try again.</source>
        <translation>La reproduction (la grille F) doit être &gt;=0. Tapez de nouvelles données pour réessayer.</translation>
    </message>
    <message>
        <source>Clonal reproduction (the C grid) must be &gt;=0. Type new data to try again.</source>
        <translation>La reproduction clonale (la grille C) doit être &gt;=0. Tapez de nouvelles données pour réessayer.</translation>
    </message>
    <message>
        <source>The number of each stage of N(0) must be &gt;=0. Type new data to try again.</source>
        <translation>Le nombre de chaque stade de N(0) doit être &gt;=0. Tapez de nouvelles données pour réessayer.</translation>
    </message>
    <message>
        <source>The harvest (H) must be &gt;=0. Type new data to try again.</source>
        <translation>Le prélèvement (H) doit être &gt;=0. Tapez de nouvelles données pour réessayer.</translation>
    </message>
    <message>
        <source>The survival of stage &quot;%1&quot; (column %2 of U) adds up to %3: it must be &lt;=1. Type new data to try again.</source>
        <translation>La survie du stade « %1 » (colonne %2 de U) fait au total %3 : elle doit être &lt;=1. Tapez de nouvelles données pour réessayer.</translation>
    </message>
</context>
<context>
    <name>ModelFileDialogText</name>
    <message>
        <source>Open model</source>
        <translation>Ouvrir un modèle</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Enregistrer le modèle</translation>
    </message>
    <message>
        <source>Velmora models (*.velmora)</source>
        <extracomment>Keep the pattern in brackets as it is.</extracomment>
        <translation>Modèles Velmora (*.velmora)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>Keep the pattern in brackets as it is.</extracomment>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>velmora::NotesWindow</name>
    <message>
        <source>About this model</source>
        <translation>À propos de ce modèle</translation>
    </message>
    <message>
        <source>Notes on the model</source>
        <translation>Notes sur le modèle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK: close the notes</source>
        <translation>OK : fermer les notes</translation>
    </message>
    <message>
        <source>This model has no title</source>
        <translation>Ce modèle n&apos;a pas de titre</translation>
    </message>
</context>
<context>
    <name>RiskCharts</name>
    <message>
        <source>steps from N(t)</source>
        <translation>pas depuis N(t)</translation>
    </message>
    <message>
        <source>Risk of falling below %1 by step t</source>
        <extracomment>%1 is the threshold, a figure or Q.</extracomment>
        <translation>Risque de passer sous %1 d&apos;ici le pas t</translation>
    </message>
    <message>
        <source>risk</source>
        <translation>risque</translation>
    </message>
    <message>
        <source>Total population: percentiles, mean, deterministic</source>
        <translation>Population totale : percentiles, moyenne, déterministe</translation>
    </message>
    <message>
        <source>total (log scale; 0 at the foot)</source>
        <translation>total (échelle log. ; 0 en bas)</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>median</source>
        <translation>médiane</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>moyenne</translation>
    </message>
    <message>
        <source>deterministic</source>
        <translation>déterministe</translation>
    </message>
</context>
<context>
    <name>velmora::RiskWindow</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Stochastic growth rate without harvest, log λs: %1 from the replicates, %2 by Tuljapurkar&apos;s approximation.</source>
        <extracomment>%1 and %2 are figures, or &quot;none&quot;.</extracomment>
        <translation>Taux de croissance stochastique sans prélèvement, log λs : %1 d&apos;après les répétitions, %2 par l&apos;approximation de Tuljapurkar.</translation>
    </message>
    <message>
        <source>Risk under variability</source>
        <translation>Risque et variabilité</translation>
    </message>
    <message>
        <source>&amp;Survival CV</source>
        <translation>CV &amp;survie</translation>
    </message>
    <message>
        <source>Coefficient of variation of the survival rates</source>
        <translation>Coefficient de variation des taux de survie</translation>
    </message>
    <message>
        <source>&amp;Fecundity CV</source>
        <translation>CV &amp;fécondité</translation>
    </message>
    <message>
        <source>Coefficient of variation of the fecundities</source>
        <translation>Coefficient de variation des fécondités</translation>
    </message>
    <message>
        <source>&amp;Threshold Q</source>
        <translation>Seuil &amp;Q</translation>
    </message>
    <message>
        <source>Threshold: a total below it, or of 0, counts as lost</source>
        <translation>Seuil : un total en dessous, ou de 0, compte comme perdu</translation>
    </message>
    <message>
        <source>&amp;Whole animals (demographic)</source>
        <translation>&amp;Animaux entiers (démographique)</translation>
    </message>
    <message>
        <source>Whole animals: binomial survivors and Poisson births</source>
        <translation>Animaux entiers : survivants binomiaux et naissances de Poisson</translation>
    </message>
    <message>
        <source>&amp;Replicates</source>
        <translation>&amp;Répétitions</translation>
    </message>
    <message>
        <source>Number of replicates</source>
        <translation>Nombre de répétitions</translation>
    </message>
    <message>
        <source>St&amp;eps</source>
        <translation>&amp;Pas</translation>
    </message>
    <message>
        <source>Number of steps</source>
        <translation>Nombre de pas</translation>
    </message>
    <message>
        <source>See&amp;d</source>
        <translation>&amp;Graine</translation>
    </message>
    <message>
        <source>Seed of the random draws</source>
        <translation>Graine des tirages aléatoires</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Run: project the replicates</source>
        <translation>Lancer : projeter les répétitions</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancel: stop the run</source>
        <translation>Annuler : arrêter l&apos;exécution</translation>
    </message>
    <message>
        <source>Progress of the run</source>
        <translation>Progression de l&apos;exécution</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Sauver en CSV...</translation>
    </message>
    <message>
        <source>Save the results as CSV</source>
        <translation>Enregistrer les résultats en CSV</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Go back: back to the main window</source>
        <translation>Retour : retour à la fenêtre principale</translation>
    </message>
    <message>
        <source>The fields of the main window do not all hold numbers: there is nothing to project.</source>
        <translation>Les champs de la fenêtre principale ne contiennent pas tous des nombres : il n&apos;y a rien à projeter.</translation>
    </message>
    <message>
        <source>M: fecundities %1; survival rates %2.   H = (%3).   N(t) = (%4) at t = %5.</source>
        <extracomment>%1 fecundities, %2 survival rates, %3 harvests, %4 numbers, %5 the year t</extracomment>
        <translation>M : fécondités %1 ; taux de survie %2.   H = (%3).   N(t) = (%4) à t = %5.</translation>
    </message>
    <message>
        <source>Whole animals: N(t) and H are rounded to (%1) and (%2).</source>
        <translation>Animaux entiers : N(t) et H sont arrondis à (%1) et (%2).</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>Exécution...</translation>
    </message>
    <message>
        <source>The run could not start a thread (%1).</source>
        <translation>L&apos;exécution n&apos;a pas pu démarrer de thread (%1).</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>Cancelled: no result.</source>
        <translation>Annulé : aucun résultat.</translation>
    </message>
    <message>
        <source>Chart: risk of falling below the threshold over the steps</source>
        <translation>Graphique : risque de passer sous le seuil au fil des pas</translation>
    </message>
    <message>
        <source>Chart: percentiles, mean and deterministic total over the steps</source>
        <translation>Graphique : percentiles, moyenne et total déterministe au fil des pas</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>The results could not be saved as &quot;%1&quot;:
%2</source>
        <translation>Les résultats n&apos;ont pas pu être enregistrés sous « %1 » :
%2</translation>
    </message>
    <message>
        <source>The main window&apos;s model has changed since the last run: press Run for its risk.</source>
        <translation>Le modèle de la fenêtre principale a changé depuis la dernière exécution : appuyez sur Lancer pour son risque.</translation>
    </message>
</context>
</TS>
