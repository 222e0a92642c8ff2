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
</TS>
