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
    <name>ExerciseWindow</name>
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
    <name>LifeCycleWindow</name>
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
    <name>Form1</name>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as exer&amp;cise...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModelFiles</name>
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
    <name>Navigation</name>
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
    <name>YieldWindow</name>
    <message>
        <source>quota</source>
        <translation type="unfinished">Quote</translation>
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
</TS>
