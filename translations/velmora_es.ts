<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>valor reproductivo</translation>
    </message>
    <message>
        <source>elasticity</source>
        <extracomment>The proportional change of lambda for a proportional change of one rate.</extracomment>
        <translation>elasticidad</translation>
    </message>
    <message>
        <source>harvest</source>
        <extracomment>Animals taken from the population each step (hunting, fishing).</extracomment>
        <translation>cosecha</translation>
    </message>
    <message>
        <source>quota</source>
        <extracomment>A fixed number of animals the harvest may take each step.</extracomment>
        <translation>cuota</translation>
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
        <translation>comando desconocido %1; ¿quería decir %2?</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>comando desconocido %1</translation>
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
        <translation type="unfinished">Ejercicio: %1</translation>
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
        <translation type="unfinished">«%1» no se pudo escribir: %2</translation>
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
        <translation>la opción %1 necesita un valor</translation>
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
        <translation>idioma desconocido «%1» para --lang; los idiomas son %2</translation>
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
        <translation>Ejercicio: %1</translation>
    </message>
    <message>
        <source>Your &amp;name or number:</source>
        <translation>Su &amp;nombre o número:</translation>
    </message>
    <message>
        <source>Your name or number</source>
        <translation>Su nombre o número</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>Draws your own numbers and puts the model in place</source>
        <translation>Sortea sus propios números y coloca el modelo</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Answer to question %1</source>
        <translation>Respuesta a la pregunta %1</translation>
    </message>
    <message>
        <source>Mark of question %1</source>
        <translation>Nota de la pregunta %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Comprobar</translation>
    </message>
    <message>
        <source>Sa&amp;ve answers...</source>
        <translation>&amp;Guardar respuestas...</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Your numbers break a rule of the model: %1
Tell your teacher.</source>
        <translation>Sus números incumplen una regla del modelo: %1
Avise a su profesor.</translation>
    </message>
    <message numerus="yes">
        <source>%n number(s) apart by blanks</source>
        <translation>
            <numerusform>%n número</numerusform>
            <numerusform>%n números separados por espacios</numerusform>
        </translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Correcto.</translation>
    </message>
    <message>
        <source>Close: check your rounding.</source>
        <translation>Casi: revise el redondeo.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <translation>Incorrecto.</translation>
    </message>
    <message>
        <source>Wrong. Hint: %1</source>
        <translation>Incorrecto. Pista: %1</translation>
    </message>
    <message>
        <source>No tries left: this answer stays as it is.</source>
        <translation>No quedan intentos: esta respuesta queda como está.</translation>
    </message>
    <message>
        <source>Try %1 of %2.</source>
        <translation>Intento %1 de %2.</translation>
    </message>
    <message>
        <source>Score: %1 of %2</source>
        <translation>Puntuación: %1 de %2</translation>
    </message>
    <message>
        <source>Save answers</source>
        <translation>Guardar respuestas</translation>
    </message>
    <message>
        <source>The answers were not saved: %1</source>
        <translation>Las respuestas no se guardaron: %1</translation>
    </message>
    <message>
        <source>grows</source>
        <extracomment>A choice of answer: the population grows, falls or holds.</extracomment>
        <translation>crece</translation>
    </message>
    <message>
        <source>falls</source>
        <translation>decrece</translation>
    </message>
    <message>
        <source>holds</source>
        <translation>se mantiene</translation>
    </message>
</context>
<context>
    <name>LifeCycleGraph</name>
    <message>
        <source>reproduction (F)</source>
        <translation>reproducción (F)</translation>
    </message>
    <message>
        <source>clonal reproduction (C)</source>
        <translation>reproducción clonal (C)</translation>
    </message>
    <message>
        <source>survival and growth (U)</source>
        <translation>supervivencia y crecimiento (U)</translation>
    </message>
    <message>
        <source>Life cycle</source>
        <translation>Ciclo de vida</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written: the picture could not be drawn.</source>
        <translation>«%1» no se escribió: no se pudo dibujar la imagen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>«%1» no se pudo escribir: %2</translation>
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
        <translation>Ciclo de vida</translation>
    </message>
    <message>
        <source>Harvest and &amp;yield...</source>
        <translation>Cosecha y &amp;rendimiento...</translation>
    </message>
    <message>
        <source>Life-cycle graph</source>
        <translation>Grafo del ciclo de vida</translation>
    </message>
    <message>
        <source>Analysis of the model as it stands</source>
        <translation>Análisis del modelo tal como está</translation>
    </message>
    <message>
        <source>Life-cycle gra&amp;ph</source>
        <translation>&amp;Grafo del ciclo</translation>
    </message>
    <message>
        <source>A&amp;nalysis</source>
        <translation>A&amp;nálisis</translation>
    </message>
    <message>
        <source>Stages: name, N(0) and harvest H</source>
        <translation>Etapas: nombre, N(0) y cosecha H</translation>
    </message>
    <message>
        <source>Stages: name, N(0) and H</source>
        <translation>Etapas: nombre, N(0) y H</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
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
        <translation>U, supervivencia y crecimiento</translation>
    </message>
    <message>
        <source>F, reproduction</source>
        <translation>F, reproducción</translation>
    </message>
    <message>
        <source>C, clonal reproduction</source>
        <translation>C, reproducción clonal</translation>
    </message>
    <message>
        <source>&amp;U: survival and growth</source>
        <translation>&amp;U: sobrevivir y crecer</translation>
    </message>
    <message>
        <source>&amp;F: reproduction</source>
        <translation>&amp;F: reproducción</translation>
    </message>
    <message>
        <source>&amp;C: clonal</source>
        <translation>&amp;C: clonal</translation>
    </message>
    <message>
        <source>Column: the stage moved from; row: the stage moved to. Each column sums to at most 1.</source>
        <translation>Columna: la etapa de origen; fila: la etapa de destino. Cada columna suma como máximo 1.</translation>
    </message>
    <message>
        <source>Column: the parents&apos; stage; row: the stage the young are born into.</source>
        <translation>Columna: la etapa de los padres; fila: la etapa en la que nacen las crías.</translation>
    </message>
    <message>
        <source>&amp;Add stage</source>
        <translation>&amp;Añadir etapa</translation>
    </message>
    <message>
        <source>Add a stage after the selected one</source>
        <translation>Añadir una etapa tras la seleccionada</translation>
    </message>
    <message>
        <source>Re&amp;move stage</source>
        <translation>&amp;Quitar etapa</translation>
    </message>
    <message>
        <source>Remove the selected stage</source>
        <translation>Quitar la etapa seleccionada</translation>
    </message>
    <message>
        <source>C&amp;lonal reproduction</source>
        <translation>Reproducción c&amp;lonal</translation>
    </message>
    <message>
        <source>Chart: each stage and the total over t</source>
        <translation>Gráfico: cada etapa y el total a lo largo de t</translation>
    </message>
    <message>
        <source>&amp;Step</source>
        <translation>&amp;Paso</translation>
    </message>
    <message>
        <source>Step: one step</source>
        <translation>Paso: un paso</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Ejecutar</translation>
    </message>
    <message>
        <source>Run: as many steps as the steps box says</source>
        <translation>Ejecutar: tantos pasos como indica la casilla de pasos</translation>
    </message>
    <message>
        <source>Steps of a run</source>
        <translation>Pasos de una ejecución</translation>
    </message>
    <message>
        <source>st&amp;eps</source>
        <translation>pa&amp;sos</translation>
    </message>
    <message>
        <source>L&amp;og scale</source>
        <translation>Escala l&amp;og.</translation>
    </message>
    <message>
        <source>Save &amp;graph...</source>
        <translation>Guardar &amp;grafo...</translation>
    </message>
    <message>
        <source>Save the graph as a picture, SVG or PNG</source>
        <translation>Guardar el grafo como imagen, SVG o PNG</translation>
    </message>
    <message>
        <source>A name ending in .svg saves SVG, any other name PNG</source>
        <translation>Un nombre terminado en .svg guarda SVG; cualquier otro, PNG</translation>
    </message>
    <message>
        <source>Send to main &amp;window</source>
        <translation>A la &amp;ventana principal</translation>
    </message>
    <message>
        <source>Send the model to the main window</source>
        <translation>Enviar el modelo a la ventana principal</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Go back: back to the main window</source>
        <translation>Volver: volver a la ventana principal</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Fuente: %1</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>desde %1</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>hacia %1</translation>
    </message>
    <message>
        <source>Show this model in the main window</source>
        <translation>Mostrar este modelo en la ventana principal</translation>
    </message>
    <message>
        <source>Only a 4-stage Leslie model fits the main window: births into stage 1 and survival to the next stage only</source>
        <translation>Solo un modelo de Leslie de 4 etapas cabe en la ventana principal: nacimientos solo en la etapa 1 y supervivencia solo a la etapa siguiente</translation>
    </message>
    <message>
        <source>This exercise keeps the analysis closed while it is open: the answers are yours to find.</source>
        <translation>Este ejercicio mantiene cerrado el análisis mientras está abierto: las respuestas las tiene que encontrar usted.</translation>
    </message>
    <message>
        <source>&amp;Density: %1, K = %2</source>
        <extracomment>%1 is the form of density dependence (Beverton-Holt, Ricker or ceiling), %2 a number.</extracomment>
        <translation>&amp;Densidad: %1, K = %2</translation>
    </message>
    <message>
        <source>Density dependence on Step and Run</source>
        <translation>Dependencia de la densidad en Paso y Ejecutar</translation>
    </message>
    <message>
        <source>R0 = %1: with density dependence a population must more than replace itself when sparse. Switch density off to project the model as it stands.</source>
        <translation>R0 = %1: con dependencia de la densidad, una población debe más que reemplazarse cuando es escasa. Desactive la densidad para proyectar el modelo tal como está.</translation>
    </message>
    <message>
        <source>Density dependence cannot be applied to the model as it stands. Switch density off to project it.</source>
        <translation>La dependencia de la densidad no se puede aplicar al modelo tal como está. Desactive la densidad para proyectarlo.</translation>
    </message>
    <message>
        <source>t = %1   total N(t) = %2</source>
        <translation>t = %1   total N(t) = %2</translation>
    </message>
    <message>
        <source>   growth rate N(t)/N(t-1) = %1</source>
        <translation>   tasa de crecimiento N(t)/N(t-1) = %1</translation>
    </message>
    <message>
        <source>life cycle.png</source>
        <translation>ciclo de vida.png</translation>
    </message>
    <message>
        <source>Save graph</source>
        <translation>Guardar grafo</translation>
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
        <translation>techo</translation>
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
        <translation type="unfinished">Cosecha y &amp;rendimiento...</translation>
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
        <translation>Abrir modelo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written: the fields of the main window do not all hold numbers</source>
        <translation>«%1» no se escribió: no todos los campos de la ventana principal contienen números</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Save as exercise</source>
        <translation>Guardar como ejercicio</translation>
    </message>
    <message>
        <source>The exercise file %1.
A file of that name that was already there is left as it was.</source>
        <translation>El archivo de ejercicio %1.
Un archivo con ese nombre que ya existía queda como estaba.</translation>
    </message>
    <message>
        <source>This model file was not opened:
%1

Nothing was changed.</source>
        <translation>Este archivo de modelo no se abrió:
%1

No se cambió nada.</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Guardar modelo</translation>
    </message>
    <message>
        <source>The model file %1.
A file of that name that was already there is left as it was.</source>
        <extracomment>%1 says what went wrong (&quot;&quot;a.velmora&quot; could not be written: ...&quot;).</extracomment>
        <translation>El archivo de modelo %1.
Un archivo con ese nombre que ya existía queda como estaba.</translation>
    </message>
</context>
<context>
    <name>velmora::Navigation</name>
    <message>
        <source>Life cycle</source>
        <translation>Ciclo de vida</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>This exercise keeps the analysis windows closed while it is open: the answers are yours to find. Close the Exercise window to use them.</source>
        <translation>Este ejercicio mantiene cerradas las ventanas de análisis mientras está abierto: las respuestas las tiene que encontrar usted. Cierre la ventana Ejercicio para usarlas.</translation>
    </message>
</context>
<context>
    <name>velmora::YieldWindow</name>
    <message>
        <source>quota</source>
        <translation>cuota</translation>
    </message>
    <message>
        <source>rate</source>
        <translation>tasa</translation>
    </message>
    <message>
        <source>escapement</source>
        <translation>escape</translation>
    </message>
    <message>
        <source>K must be a number above 0: the density at which the population settles without harvest.</source>
        <translation>K debe ser un número mayor que 0: la densidad a la que se estabiliza la población sin cosecha.</translation>
    </message>
    <message>
        <source>Choose the stages counted in the density again.</source>
        <translation>Vuelva a elegir las etapas contadas en la densidad.</translation>
    </message>
    <message>
        <source>Some stage never dies (I - U has no inverse), so R0 has no value and the density dependence cannot be set from K.</source>
        <translation>Alguna etapa nunca muere (I - U no tiene inversa), así que R0 no tiene valor y la dependencia de la densidad no se puede fijar a partir de K.</translation>
    </message>
    <message>
        <source>R0 = %1: a population that cannot more than replace itself even when sparse never settles at K, and no harvest of it lasts.</source>
        <translation>R0 = %1: una población que ni siquiera cuando es escasa puede más que reemplazarse nunca se estabiliza en K, y ninguna cosecha de ella dura.</translation>
    </message>
    <message>
        <source>The model does not pass its checks: mend it in the Life cycle window first.</source>
        <translation>El modelo no supera sus comprobaciones: corríjalo antes en la ventana Ciclo de vida.</translation>
    </message>
    <message>
        <source>Harvest and yield</source>
        <translation>Cosecha y rendimiento</translation>
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
        <translation>Techo: D como máximo K</translation>
    </message>
    <message>
        <source>Density dependence</source>
        <translation>Dependencia de la densidad</translation>
    </message>
    <message>
        <source>K, the density at rest without harvest</source>
        <translation>K, la densidad en reposo sin cosecha</translation>
    </message>
    <message>
        <source>D, the sum of the counted stages, settles at K without harvest</source>
        <translation>D, la suma de las etapas contadas, se estabiliza en K sin cosecha</translation>
    </message>
    <message>
        <source>Stages counted in the density</source>
        <translation>Etapas contadas en la densidad</translation>
    </message>
    <message>
        <source>Stages harvested</source>
        <translation>Etapas cosechadas</translation>
    </message>
    <message>
        <source>&amp;Density dependence</source>
        <translation>&amp;Dependencia de la densidad</translation>
    </message>
    <message>
        <source>&amp;K</source>
        <translation>&amp;K</translation>
    </message>
    <message>
        <source>Stages &amp;counted in D</source>
        <translation>Etapas &amp;contadas en D</translation>
    </message>
    <message>
        <source>Stages &amp;harvested</source>
        <translation>Etapas co&amp;sechadas</translation>
    </message>
    <message>
        <source>Co&amp;mpute</source>
        <translation>Calc&amp;ular</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Progress of the curves</source>
        <translation>Progreso de las curvas</translation>
    </message>
    <message>
        <source>Chart: the yield of each way against its level</source>
        <translation>Gráfico: el rendimiento de cada modo frente a su nivel</translation>
    </message>
    <message>
        <source>Chart: the population after one bad year, each way at 90 % of its MSY</source>
        <translation>Gráfico: la población tras un mal año, cada modo al 90 % de su MSY</translation>
    </message>
    <message>
        <source>Loss in the bad year, percent of every stage</source>
        <translation>Pérdida en el mal año, porcentaje de cada etapa</translation>
    </message>
    <message>
        <source>&amp;Loss in the bad year, % of every stage</source>
        <translation>&amp;Pérdida en el mal año, % de cada etapa</translation>
    </message>
    <message>
        <source>Each way&apos;s MSY and its edge</source>
        <translation>El MSY de cada modo y su límite</translation>
    </message>
    <message>
        <source>Way</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>MSY</source>
        <translation>MSY</translation>
    </message>
    <message>
        <source>at</source>
        <translation>en</translation>
    </message>
    <message>
        <source>Total at MSY</source>
        <translation>Total en MSY</translation>
    </message>
    <message>
        <source>90 % of MSY at</source>
        <translation>90 % MSY en</translation>
    </message>
    <message>
        <source>Total there</source>
        <translation>Total allí</translation>
    </message>
    <message>
        <source>Unstable rest</source>
        <translation>Reposo inestable</translation>
    </message>
    <message>
        <source>Fatal loss</source>
        <translation>Pérdida fatal</translation>
    </message>
    <message>
        <source>Risk there</source>
        <translation>Riesgo allí</translation>
    </message>
    <message>
        <source>Under a quota, the total of the rest point below the settled one: a population pushed below it falls to 0</source>
        <translation>Con una cuota, el total del punto de reposo por debajo del alcanzado: una población llevada por debajo cae a 0</translation>
    </message>
    <message>
        <source>The smallest share of every stage lost in one bad year, at 90 % of MSY, after which the population falls to 0</source>
        <translation>La menor proporción de cada etapa perdida en un mal año, al 90 % del MSY, tras la cual la población cae a 0</translation>
    </message>
    <message>
        <source>The chance of falling below the threshold within the steps of the Risk window, under its variation and seed, from the total there</source>
        <translation>La probabilidad de caer por debajo del umbral en los pasos de la ventana de riesgo, con su variación y su semilla, desde el total allí</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Check at least one stage to count in the density.</source>
        <translation>Marque al menos una etapa para contarla en la densidad.</translation>
    </message>
    <message>
        <source>Check at least one stage to harvest.</source>
        <translation>Marque al menos una etapa para cosechar.</translation>
    </message>
    <message>
        <source>Tracing the yield curves...</source>
        <translation>Trazando las curvas de rendimiento...</translation>
    </message>
    <message>
        <source>The work could not start a thread (%1).</source>
        <translation>El cálculo no pudo iniciar un hilo (%1).</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>Cancelled: no curve is shown.</source>
        <translation>Cancelado: no se muestra ninguna curva.</translation>
    </message>
    <message>
        <source>No positive population rests at K without harvest, so there is no yield curve to draw.</source>
        <translation>Ninguna población positiva reposa en K sin cosecha, así que no hay curva de rendimiento que trazar.</translation>
    </message>
    <message>
        <source>Choose the stages harvested again.</source>
        <translation>Vuelva a elegir las etapas cosechadas.</translation>
    </message>
    <message>
        <source>At 90 % of its MSY, one bad year sends the population to 0 under %1.</source>
        <translation>Al 90 % de su MSY, un mal año lleva la población a 0 con %1.</translation>
    </message>
    <message>
        <source>no way</source>
        <translation>ningún modo</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>The risks were not run: %1</source>
        <translation>Los riesgos no se calcularon: %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Under variation (survival CV %1, fecundity CV %2%3; %4 replicates, seed %5), the chance of falling below %6 within %7 steps, each way at 90 % of its MSY: %8.</source>
        <translation>Con variación (CV de supervivencia %1, CV de fecundidad %2%3; %4 réplicas, semilla %5), la probabilidad de caer por debajo de %6 en %7 pasos, cada modo al 90 % de su MSY: %8.</translation>
    </message>
    <message>
        <source>, whole animals</source>
        <translation>, animales enteros</translation>
    </message>
    <message>
        <source>Q, h or E as a share of its range</source>
        <translation>Q, h o E como fracción de su rango</translation>
    </message>
    <message>
        <source>yield a step</source>
        <translation>rendimiento por paso</translation>
    </message>
    <message>
        <source>MSY, %1</source>
        <translation>MSY, %1</translation>
    </message>
    <message>
        <source>%1: yield %2</source>
        <translation>%1: rendimiento %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>none short of all</source>
        <translation>solo total</translation>
    </message>
    <message>
        <source>The loss is a percentage from 0 to 100.</source>
        <translation>La pérdida es un porcentaje de 0 a 100.</translation>
    </message>
    <message>
        <source>t; the bad year strikes at t = 1</source>
        <translation>t; el mal año llega en t = 1</translation>
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
        <translation>la cuota</translation>
    </message>
    <message>
        <source>the rate</source>
        <translation>la tasa</translation>
    </message>
    <message>
        <source>the escapement</source>
        <translation>el escape</translation>
    </message>
    <message>
        <source>Under the quota the population has no stable rest at its MSY: the yield is the mean over a cycle of %1 steps.</source>
        <translation>Con la cuota la población no tiene reposo estable en su MSY: el rendimiento es la media sobre un ciclo de %1 pasos.</translation>
    </message>
    <message>
        <source>Under the rate the population has no stable rest at its MSY: the yield is the mean over a cycle of %1 steps.</source>
        <translation>Con la tasa la población no tiene reposo estable en su MSY: el rendimiento es la media sobre un ciclo de %1 pasos.</translation>
    </message>
    <message>
        <source>Under the escapement the population has no stable rest at its MSY: the yield is the mean over a cycle of %1 steps.</source>
        <translation>Con el escape la población no tiene reposo estable en su MSY: el rendimiento es la media sobre un ciclo de %1 pasos.</translation>
    </message>
    <message>
        <source>Under the quota the population has no stable rest at its MSY: it swings irregularly (chaos), and the yield is the mean over 600 steps.</source>
        <translation>Con la cuota la población no tiene reposo estable en su MSY: oscila de forma irregular (caos), y el rendimiento es la media sobre 600 pasos.</translation>
    </message>
    <message>
        <source>Under the rate the population has no stable rest at its MSY: it swings irregularly (chaos), and the yield is the mean over 600 steps.</source>
        <translation>Con la tasa la población no tiene reposo estable en su MSY: oscila de forma irregular (caos), y el rendimiento es la media sobre 600 pasos.</translation>
    </message>
    <message>
        <source>Under the escapement the population has no stable rest at its MSY: it swings irregularly (chaos), and the yield is the mean over 600 steps.</source>
        <translation>Con el escape la población no tiene reposo estable en su MSY: oscila de forma irregular (caos), y el rendimiento es la media sobre 600 pasos.</translation>
    </message>
    <message>
        <source>%1 after a loss of %2</source>
        <extracomment>%1 is a way with its article (&quot;the quota&quot;), %2 a percentage.</extracomment>
        <translation>%1 tras una pérdida de %2</translation>
    </message>
    <message>
        <source>Under %1 it recovers from any loss short of all.</source>
        <extracomment>%1 names one to three ways with their articles (&quot;the quota and the rate&quot;).</extracomment>
        <translation>Con %1 se recupera de cualquier pérdida que no sea total.</translation>
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
        <translation>Uso: velmora [--lang CÓDIGO] [ARCHIVO]

Inicia Velmora, un programa de enseñanza de ecología de poblaciones; con
ARCHIVO, abre al inicio un archivo de modelo (.velmora).

Opciones:
  -h, --help     muestra esta ayuda
  --version      muestra la versión
  --lang CÓDIGO  el idioma de los textos (de, en, es, fr) en lugar del
                 del sistema
También se aceptan las opciones propias de Qt, como -platform offscreen.
velmora-cli calcula el modelo sin ventanas.
</translation>
    </message>
</context>
<context>
    <name>velmora::AnalysisWindow</name>
    <message>
        <source>Analysis</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>Model analysis</source>
        <translation>Análisis del modelo</translation>
    </message>
    <message>
        <source>Recompute</source>
        <translation>Recalcular</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Recompute: analyse the main window&apos;s model again</source>
        <translation>Recalcular: analizar de nuevo el modelo de la ventana principal</translation>
    </message>
    <message>
        <source>Go back: back to the main window</source>
        <translation>Volver: volver a la ventana principal</translation>
    </message>
    <message>
        <source>The fields of the main window do not all hold numbers: there is nothing to analyse.</source>
        <translation>No todos los campos de la ventana principal contienen números: no hay nada que analizar.</translation>
    </message>
    <message>
        <source>M: fecundities %1; survival rates %2.   H = (%3).   N(t) = (%4) at t = %5.</source>
        <extracomment>%1 fecundities, %2 survival rates, %3 harvests, %4 numbers, %5 the year t</extracomment>
        <translation>M: fecundidades %1; tasas de supervivencia %2.   H = (%3).   N(t) = (%4) en t = %5.</translation>
    </message>
</context>
<context>
    <name>ReportCells</name>
    <message>
        <source>class %1</source>
        <translation>clase %1</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>%1 is a figure&apos;s name, %2 and %3 the row and column of its cell.</extracomment>
        <translation>%1, fila %2, columna %3</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer.</source>
        <translation>No se pudo enviar la página a la impresora.</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.
Do you want to save the page as a PDF file instead?</source>
        <translation>No hay ninguna impresora configurada en este ordenador.
¿Quiere guardar la página como archivo PDF?</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>No se pudo dibujar la página.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written:
%2</source>
        <translation>No se pudo escribir el archivo PDF «%1»:
%2</translation>
    </message>
</context>
<context>
    <name>StageEdit</name>
    <message>
        <source>&quot;%1&quot; is not a number. Type a number such as 0.25 or 1E-3 to try again.</source>
        <translation>«%1» no es un número. Escriba un número como 0.25 o 1E-3 para volver a intentarlo.</translation>
    </message>
    <message>
        <source>stage %1</source>
        <extracomment>The name a new stage gets until the student names it.</extracomment>
        <translation>etapa %1</translation>
    </message>
    <message>
        <source>A life cycle needs at least one stage.</source>
        <translation>Un ciclo de vida necesita al menos una etapa.</translation>
    </message>
    <message>
        <source>A life cycle has at most %1 stages.</source>
        <translation>Un ciclo de vida tiene como máximo %1 etapas.</translation>
    </message>
    <message>
        <source>The grids do not all have one row and one column a stage.</source>
        <translation>No todas las tablas tienen una fila y una columna por etapa.</translation>
    </message>
    <message>
        <source>Stage %1 must have a name. Type a name to try again.</source>
        <translation>La etapa %1 debe tener un nombre. Escriba un nombre para volver a intentarlo.</translation>
    </message>
    <message>
        <source>Two stages are called &quot;%1&quot;: each stage must have a name of its own. Type another name to try again.</source>
        <translation>Dos etapas se llaman «%1»: cada etapa debe tener un nombre propio. Escriba otro nombre para volver a intentarlo.</translation>
    </message>
    <message>
        <source>The number is too large. Type new data to try again.</source>
        <translation>El número es demasiado grande. Escriba nuevos datos para volver a intentarlo.</translation>
    </message>
    <message>
        <source>Survival and growth (the U grid) must be &gt;=0. Type new data to try again.</source>
        <translation>La supervivencia y el crecimiento (la tabla U) deben ser &gt;=0. Escriba nuevos datos para volver a intentarlo.</translation>
    </message>
    <message>
        <source>Reproduction (the F grid) must be &gt;=0. Type new data to try again.</source>
        <translation>La reproducción (la tabla F) debe ser &gt;=0. Escriba nuevos datos para volver a intentarlo.</translation>
    </message>
    <message>
        <source>Clonal reproduction (the C grid) must be &gt;=0. Type new data to try again.</source>
        <translation>La reproducción clonal (la tabla C) debe ser &gt;=0. Escriba nuevos datos para volver a intentarlo.</translation>
    </message>
    <message>
        <source>The number of each stage of N(0) must be &gt;=0. Type new data to try again.</source>
        <translation>El número de cada etapa de N(0) debe ser &gt;=0. Escriba nuevos datos para volver a intentarlo.</translation>
    </message>
    <message>
        <source>The harvest (H) must be &gt;=0. Type new data to try again.</source>
        <translation>La cosecha (H) debe ser &gt;=0. Escriba nuevos datos para volver a intentarlo.</translation>
    </message>
    <message>
        <source>The survival of stage &quot;%1&quot; (column %2 of U) adds up to %3: it must be &lt;=1. Type new data to try again.</source>
        <translation>La supervivencia de la etapa «%1» (columna %2 de U) suma %3: debe ser &lt;=1. Escriba nuevos datos para volver a intentarlo.</translation>
    </message>
</context>
<context>
    <name>ModelFileDialogText</name>
    <message>
        <source>Open model</source>
        <translation>Abrir modelo</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Guardar modelo</translation>
    </message>
    <message>
        <source>Velmora models (*.velmora)</source>
        <extracomment>Keep the pattern in brackets as it is.</extracomment>
        <translation>Modelos de Velmora (*.velmora)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>Keep the pattern in brackets as it is.</extracomment>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>velmora::NotesWindow</name>
    <message>
        <source>About this model</source>
        <translation>Acerca de este modelo</translation>
    </message>
    <message>
        <source>Notes on the model</source>
        <translation>Notas sobre el modelo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>OK: close the notes</source>
        <translation>Aceptar: cerrar las notas</translation>
    </message>
    <message>
        <source>This model has no title</source>
        <translation>Este modelo no tiene título</translation>
    </message>
</context>
<context>
    <name>RiskCharts</name>
    <message>
        <source>steps from N(t)</source>
        <translation>pasos desde N(t)</translation>
    </message>
    <message>
        <source>Risk of falling below %1 by step t</source>
        <extracomment>%1 is the threshold, a figure or Q.</extracomment>
        <translation>Riesgo de caer por debajo de %1 hasta el paso t</translation>
    </message>
    <message>
        <source>risk</source>
        <translation>riesgo</translation>
    </message>
    <message>
        <source>Total population: percentiles, mean, deterministic</source>
        <translation>Población total: percentiles, media, determinista</translation>
    </message>
    <message>
        <source>total (log scale; 0 at the foot)</source>
        <translation>total (escala log.; 0 al pie)</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>median</source>
        <translation>mediana</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>media</translation>
    </message>
    <message>
        <source>deterministic</source>
        <translation>determinista</translation>
    </message>
</context>
<context>
    <name>velmora::RiskWindow</name>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Stochastic growth rate without harvest, log λs: %1 from the replicates, %2 by Tuljapurkar&apos;s approximation.</source>
        <extracomment>%1 and %2 are figures, or &quot;none&quot;.</extracomment>
        <translation>Tasa de crecimiento estocástica sin cosecha, log λs: %1 a partir de las réplicas, %2 según la aproximación de Tuljapurkar.</translation>
    </message>
    <message>
        <source>Risk under variability</source>
        <translation>Riesgo con variabilidad</translation>
    </message>
    <message>
        <source>&amp;Survival CV</source>
        <translation>CV &amp;supervivencia</translation>
    </message>
    <message>
        <source>Coefficient of variation of the survival rates</source>
        <translation>Coeficiente de variación de las tasas de supervivencia</translation>
    </message>
    <message>
        <source>&amp;Fecundity CV</source>
        <translation>CV &amp;fecundidad</translation>
    </message>
    <message>
        <source>Coefficient of variation of the fecundities</source>
        <translation>Coeficiente de variación de las fecundidades</translation>
    </message>
    <message>
        <source>&amp;Threshold Q</source>
        <translation>&amp;Umbral Q</translation>
    </message>
    <message>
        <source>Threshold: a total below it, or of 0, counts as lost</source>
        <translation>Umbral: un total por debajo, o de 0, cuenta como perdido</translation>
    </message>
    <message>
        <source>&amp;Whole animals (demographic)</source>
        <translation>&amp;Animales enteros (demográfico)</translation>
    </message>
    <message>
        <source>Whole animals: binomial survivors and Poisson births</source>
        <translation>Animales enteros: supervivientes binomiales y nacimientos de Poisson</translation>
    </message>
    <message>
        <source>&amp;Replicates</source>
        <translation>&amp;Réplicas</translation>
    </message>
    <message>
        <source>Number of replicates</source>
        <translation>Número de réplicas</translation>
    </message>
    <message>
        <source>St&amp;eps</source>
        <translation>&amp;Pasos</translation>
    </message>
    <message>
        <source>Number of steps</source>
        <translation>Número de pasos</translation>
    </message>
    <message>
        <source>See&amp;d</source>
        <translation>Semi&amp;lla</translation>
    </message>
    <message>
        <source>Seed of the random draws</source>
        <translation>Semilla de los sorteos aleatorios</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Run: project the replicates</source>
        <translation>Ejecutar: proyectar las réplicas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel: stop the run</source>
        <translation>Cancelar: detener la ejecución</translation>
    </message>
    <message>
        <source>Progress of the run</source>
        <translation>Progreso de la ejecución</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Guardar CSV...</translation>
    </message>
    <message>
        <source>Save the results as CSV</source>
        <translation>Guardar los resultados como CSV</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Go back: back to the main window</source>
        <translation>Volver: volver a la ventana principal</translation>
    </message>
    <message>
        <source>The fields of the main window do not all hold numbers: there is nothing to project.</source>
        <translation>No todos los campos de la ventana principal contienen números: no hay nada que proyectar.</translation>
    </message>
    <message>
        <source>M: fecundities %1; survival rates %2.   H = (%3).   N(t) = (%4) at t = %5.</source>
        <extracomment>%1 fecundities, %2 survival rates, %3 harvests, %4 numbers, %5 the year t</extracomment>
        <translation>M: fecundidades %1; tasas de supervivencia %2.   H = (%3).   N(t) = (%4) en t = %5.</translation>
    </message>
    <message>
        <source>Whole animals: N(t) and H are rounded to (%1) and (%2).</source>
        <translation>Animales enteros: N(t) y H se redondean a (%1) y (%2).</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>Ejecutando...</translation>
    </message>
    <message>
        <source>The run could not start a thread (%1).</source>
        <translation>La ejecución no pudo iniciar un hilo (%1).</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>Cancelled: no result.</source>
        <translation>Cancelado: sin resultado.</translation>
    </message>
    <message>
        <source>Chart: risk of falling below the threshold over the steps</source>
        <translation>Gráfico: riesgo de caer por debajo del umbral a lo largo de los pasos</translation>
    </message>
    <message>
        <source>Chart: percentiles, mean and deterministic total over the steps</source>
        <translation>Gráfico: percentiles, media y total determinista a lo largo de los pasos</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>The results could not be saved as &quot;%1&quot;:
%2</source>
        <translation>No se pudieron guardar los resultados como «%1»:
%2</translation>
    </message>
    <message>
        <source>The main window&apos;s model has changed since the last run: press Run for its risk.</source>
        <translation>El modelo de la ventana principal ha cambiado desde la última ejecución: pulse Ejecutar para ver su riesgo.</translation>
    </message>
</context>
</TS>
