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
        <translation>una población se da por extinguida bajo N animales (por defecto 1;
0: solo cuando se rechaza una proyección)</translation>
    </message>
    <message>
        <source>print one JSON object instead of aligned text</source>
        <translation>imprimir un objeto JSON en lugar de texto alineado</translation>
    </message>
    <message>
        <source>as text, explain each figure in a line under it</source>
        <translation>en texto, explicar cada cifra en una línea debajo</translation>
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
        <translation>help admite un COMMAND</translation>
    </message>
    <message>
        <source>unknown option %1; options of a command come after its name</source>
        <translation>opción desconocida %1; las opciones de un comando van después de su nombre</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se dio ningún comando</translation>
    </message>
    <message>
        <source>the command stopped on an error: %1</source>
        <translation>el comando se detuvo por un error: %1</translation>
    </message>
    <message>
        <source>the command stopped on an unknown error</source>
        <translation>el comando se detuvo por un error desconocido</translation>
    </message>
    <message>
        <source>standard output could not be written (%1): the results are lost</source>
        <translation>no se pudo escribir la salida estándar (%1): los resultados se pierden</translation>
    </message>
    <message>
        <source>beverton-holt, ricker or ceiling: how reproduction falls
as the density D rises</source>
        <translation>beverton-holt, ricker o ceiling: cómo baja la reproducción
al subir la densidad D</translation>
    </message>
    <message>
        <source>the density at which the population settles without
harvest, above 0</source>
        <translation>la densidad en la que la población se estabiliza sin
cosecha, mayor que 0</translation>
    </message>
    <message>
        <source>the stages whose sum is D, by name (default: all)</source>
        <translation>las etapas cuya suma es D, por nombre (por defecto: todas)</translation>
    </message>
    <message>
        <source>the stages a way of harvesting takes from (default: all)</source>
        <translation>las etapas de las que toma una forma de cosecha (por defecto: todas)</translation>
    </message>
    <message>
        <source>quota, rate or escapement: take the harvest this
way in place of H (needs --density and --level)</source>
        <translation>quota, rate o escapement: tomar la cosecha de esta
forma en lugar de H (necesita --density y --level)</translation>
    </message>
    <message>
        <source>the quota Q a step, the rate h (0 to 1) or the
escapement E</source>
        <translation>la cuota Q por paso, la tasa h (0 a 1) o el
escape E</translation>
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
        <translation>Uso: velmora-cli exercise key FILE [--student NAME] [--json]
     velmora-cli exercise check FILE
     velmora-cli exercise mark FILE ANSWERS... [--out FILE.csv]

Trabaja con el ejercicio de un archivo de modelo (.velmora): sus preguntas, los
valores de los que cada estudiante recibe unos números propios y las respuestas
que entregan los estudiantes.

  key     imprime cada pregunta con su respuesta para un estudiante (--student
          NAME; el mismo nombre da siempre los mismos números) o para los números
          del propio archivo.
  check   rechaza una pregunta cuyo &quot;asks&quot; no nombra ninguna cifra y calcula cada
          pregunta para cada combinación de los valores variados (una muestra de
          10000 si hay más), para que nadie reciba una pregunta sin respuesta.
  mark    recalcula cada nota de los archivos de respuestas (.velmora-answers) a
          partir del nombre y las respuestas, e imprime una tabla de la clase; se
          señala un archivo cuyos números o notas difieren del recálculo. El número
          de intentos lo cuenta el programa del estudiante y no se puede verificar.

Opciones:
</translation>
    </message>
    <message>
        <source>key: the student&apos;s name or number</source>
        <translation>key: el nombre o número del estudiante</translation>
    </message>
    <message>
        <source>key: print one JSON object</source>
        <translation>key: imprimir un objeto JSON</translation>
    </message>
    <message>
        <source>mark: also write the table as CSV</source>
        <translation>mark: escribir también la tabla como CSV</translation>
    </message>
    <message>
        <source>
Exit status 0 when done; 1 when check finds a question without an answer,
when mark cannot read an answers file or write FILE.csv, or when standard
output cannot be written; 2 with one line on standard error, and nothing done,
for a bad option, a FILE without a good exercise or an asks that names no figure.
</source>
        <translation>
Estado de salida 0 al terminar; 1 cuando check encuentra una pregunta sin
respuesta, cuando mark no puede leer un archivo de respuestas o escribir
FILE.csv, o cuando no se puede escribir la salida estándar; 2 con una línea en la
salida de errores, sin hacer nada, por una opción errónea, un FILE sin un
ejercicio válido o un asks que no nombra ninguna cifra.
</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a model but no &quot;exercise&quot;</source>
        <translation>&quot;%1&quot; contiene un modelo pero ningún &quot;exercise&quot;</translation>
    </message>
    <message>
        <source>--student: %1</source>
        <translation>--student: %1</translation>
    </message>
    <message>
        <source>the numbers of %1 break a rule of the model: %2</source>
        <translation>los números de %1 incumplen una regla del modelo: %2</translation>
    </message>
    <message>
        <source>Exercise: %1</source>
        <translation>Ejercicio: %1</translation>
    </message>
    <message>
        <source>Student: %1</source>
        <translation>Estudiante: %1</translation>
    </message>
    <message>
        <source>The file&apos;s own numbers (no student)</source>
        <translation>Los números del propio archivo (sin estudiante)</translation>
    </message>
    <message>
        <source>no answer: this model has no such figure</source>
        <translation>sin respuesta: este modelo no tiene esa cifra</translation>
    </message>
    <message>
        <source> (exactly)</source>
        <translation> (exacto)</translation>
    </message>
    <message>
        <source> (within %1 + %2)</source>
        <translation> (dentro de %1 + %2)</translation>
    </message>
    <message>
        <source>question %1: &quot;asks&quot; is &quot;%2&quot;, which names no figure of the report</source>
        <translation>pregunta %1: &quot;asks&quot; es &quot;%2&quot;, que no nombra ninguna cifra del informe</translation>
    </message>
    <message>
        <source>the file&apos;s numbers</source>
        <translation>los números del archivo</translation>
    </message>
    <message>
        <source>with %1: %2</source>
        <translation>con %1: %2</translation>
    </message>
    <message>
        <source>question %1 has no answer with %2</source>
        <translation>la pregunta %1 no tiene respuesta con %2</translation>
    </message>
    <message>
        <source>question %1 is a near tie with %2: the largest is within 2 % of the next</source>
        <translation>la pregunta %1 es casi un empate con %2: el mayor está a menos del 2 % del siguiente</translation>
    </message>
    <message>
        <source>all %1 combinations of the varied values</source>
        <translation>las %1 combinaciones de los valores variados</translation>
    </message>
    <message>
        <source>a sample of %1 combinations of the varied values</source>
        <translation>una muestra de %1 combinaciones de los valores variados</translation>
    </message>
    <message>
        <source>1 problem in %1</source>
        <translation>1 problema en %1</translation>
    </message>
    <message>
        <source>%1 problems in %2</source>
        <translation>%1 problemas en %2</translation>
    </message>
    <message>
        <source>Every question has an answer for %1.</source>
        <translation>Cada pregunta tiene respuesta para %1.</translation>
    </message>
    <message>
        <source>unread</source>
        <translation>sin leer</translation>
    </message>
    <message>
        <source>OTHER EXERCISE</source>
        <translation>OTRO EJERCICIO</translation>
    </message>
    <message>
        <source>DIFFER</source>
        <translation>DIFIERE</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>The number of tries is what each student&apos;s program counted: it cannot be verified.</source>
        <translation>El número de intentos es lo que contó el programa de cada estudiante: no se puede verificar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>no se pudo escribir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>no action given: key, check or mark</source>
        <translation>no se dio ninguna acción: key, check o mark</translation>
    </message>
    <message>
        <source>unknown action %1; did you mean %2?</source>
        <translation>acción desconocida %1; ¿quiso decir %2?</translation>
    </message>
    <message>
        <source>unknown action %1: key, check or mark</source>
        <translation>acción desconocida %1: key, check o mark</translation>
    </message>
    <message>
        <source>no FILE given: the model file with the exercise</source>
        <translation>no se dio ningún FILE: el archivo de modelo con el ejercicio</translation>
    </message>
    <message>
        <source>no ANSWERS given: the answers files to mark</source>
        <translation>no se dio ningún ANSWERS: los archivos de respuestas que calificar</translation>
    </message>
    <message>
        <source>more than one FILE given: %1 and %2</source>
        <translation>se dio más de un FILE: %1 y %2</translation>
    </message>
    <message>
        <source>the values of a model file (.velmora), a 4-class Leslie
model or a life cycle of any size; the options below
override them, wherever they stand</source>
        <translation>los valores de un archivo de modelo (.velmora), un modelo de Leslie
de 4 clases o un ciclo de vida de cualquier tamaño; las opciones
siguientes los sustituyen, estén donde estén</translation>
    </message>
    <message>
        <source>fecundities f0,f1,f2,f3 and survival rates s0,s1,s2 of
the 4-class Leslie model (default 0,1,2,1,0.5,1,0.5)</source>
        <translation>fecundidades f0,f1,f2,f3 y tasas de supervivencia s0,s1,s2 del
modelo de Leslie de 4 clases (por defecto 0,1,2,1,0.5,1,0.5)</translation>
    </message>
    <message>
        <source>a life cycle of any size instead: the names of its 1 to 100
stages, separated by &quot;,&quot; (&quot;seeds,adults&quot;); with
--transitions and --reproduction; not with --matrix</source>
        <translation>en su lugar, un ciclo de vida de cualquier tamaño: los nombres de sus
1 a 100 etapas, separados por &quot;,&quot; (&quot;seeds,adults&quot;); con
--transitions y --reproduction; no con --matrix</translation>
    </message>
    <message>
        <source>U, survival and growth: one row a stage, rows separated by
&quot;;&quot; and values by &quot;,&quot; (&quot;0,0;0.5,0.8&quot;); row r, column c
is what one member of stage c gives stage r in a step;
each column adds up to at most 1</source>
        <translation>U, supervivencia y crecimiento: una fila por etapa, filas separadas
por &quot;;&quot; y valores por &quot;,&quot; (&quot;0,0;0.5,0.8&quot;); la fila r, columna c es
lo que un miembro de la etapa c da a la etapa r en un paso;
cada columna suma como mucho 1</translation>
    </message>
    <message>
        <source>F, births, as ROWS (&quot;0,2;0,0&quot;)</source>
        <translation>F, nacimientos, como ROWS (&quot;0,2;0,0&quot;)</translation>
    </message>
    <message>
        <source>C, clonal reproduction, as ROWS (default none)</source>
        <translation>C, reproducción clonal, como ROWS (por defecto ninguna)</translation>
    </message>
    <message>
        <source>N(0): one number a class or stage (default 10 in each)</source>
        <translation>N(0): un número por clase o etapa (por defecto 10 en cada una)</translation>
    </message>
    <message>
        <source>H: one number a class or stage (default 5,0,0,0 for the
4-class model, 0 in each stage of a life cycle)</source>
        <translation>H: un número por clase o etapa (por defecto 5,0,0,0 en el
modelo de 4 clases, 0 en cada etapa de un ciclo de vida)</translation>
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
Cada valor debe ser un número simple (&quot;12&quot;, &quot;-0.5&quot;, &quot;1.5e3&quot;); todo lo demás se
rechaza. Los valores se comprueban con las reglas de la ventana de edición:
tasas de supervivencia de 0 a 1, todo lo demás al menos 0, ningún número
demasiado grande; un valor contra una regla se rechaza nombrando su opción, el
valor y la regla. Una opción se da una vez como mucho. Un ciclo de vida
(--stages, o un archivo --model que lo contenga) toma --n0, --harvest y ROWS
para su número de etapas; uno que es un modelo de Leslie de 4 clases
(nacimientos solo en la primera etapa, supervivencia solo a la siguiente) es el
modelo de 4 clases.
</translation>
    </message>
    <message>
        <source>%1: %2 = %3: %4</source>
        <translation>%1: %2 = %3: %4</translation>
    </message>
    <message>
        <source>the number is beyond the range of a double</source>
        <translation>el número está fuera del rango de un double</translation>
    </message>
    <message>
        <source>a survival rate must be from 0 to 1</source>
        <translation>una tasa de supervivencia debe estar entre 0 y 1</translation>
    </message>
    <message>
        <source>a fecundity must be 0 or more</source>
        <translation>una fecundidad debe ser 0 o más</translation>
    </message>
    <message>
        <source>a number of animals must be 0 or more</source>
        <translation>un número de animales debe ser 0 o más</translation>
    </message>
    <message>
        <source>a harvest must be 0 or more</source>
        <translation>una cosecha debe ser 0 o más</translation>
    </message>
    <message>
        <source>N(0) adds up to a total beyond the range of a double</source>
        <translation>N(0) suma un total fuera del rango de un double</translation>
    </message>
    <message>
        <source>unknown option %1; did you mean %2?</source>
        <translation>opción desconocida %1; ¿quiso decir %2?</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>la opción %1 no admite valor</translation>
    </message>
    <message>
        <source>option --%1 is given more than once</source>
        <translation>la opción --%1 se da más de una vez</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;: every value follows its option</source>
        <translation>argumento inesperado &quot;%1&quot;: cada valor va después de su opción</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>mostrar esta ayuda</translation>
    </message>
    <message>
        <source>coefficient of variation of each survival rate (default 0);
a rate s whose beta distribution needs a CV below sqrt((1 - s) / s)
takes the largest it allows (rates of 0 and 1 do not vary)</source>
        <translation>coeficiente de variación de cada tasa de supervivencia (por defecto 0);
una tasa s cuya distribución beta necesita un CV menor que sqrt((1 - s) / s)
toma el mayor que permite (las tasas 0 y 1 no varían)</translation>
    </message>
    <message>
        <source>the same for each fecundity, 0 to 10 (default 0)</source>
        <translation>lo mismo para cada fecundidad, de 0 a 10 (por defecto 0)</translation>
    </message>
    <message>
        <source>whole animals: binomial survivors, Poisson births; N(0) and H
are rounded to whole numbers first</source>
        <translation>animales enteros: supervivientes binomiales, nacimientos de Poisson;
N(0) y H se redondean antes a números enteros</translation>
    </message>
    <message>
        <source>a total below Q, or a total of 0, counts as lost
(default 1)</source>
        <translation>un total bajo Q, o un total de 0, cuenta como perdido
(por defecto 1)</translation>
    </message>
    <message>
        <source>1 to 100000 (default 1000)</source>
        <translation>1 a 100000 (por defecto 1000)</translation>
    </message>
    <message>
        <source>1 to 1000 (default 100)</source>
        <translation>1 a 1000 (por defecto 100)</translation>
    </message>
    <message>
        <source>0 to 999999999 (default 1); one seed gives the same result
on any number of threads</source>
        <translation>0 a 999999999 (por defecto 1); una semilla da el mismo resultado
con cualquier número de hilos</translation>
    </message>
    <message>
        <source>1 to 64 (default: one per core)</source>
        <translation>1 a 64 (por defecto: uno por núcleo)</translation>
    </message>
    <message>
        <source>print one JSON object: risk, mean, deterministic (T + 1
numbers each), percentiles (&quot;5&quot; ... &quot;95&quot;), finalRisk,
finalRiskInterval, logLambdaS (simulated, approximation)</source>
        <translation>imprimir un objeto JSON: risk, mean, deterministic (T + 1
números cada uno), percentiles (&quot;5&quot; ... &quot;95&quot;), finalRisk,
finalRiskInterval, logLambdaS (simulated, approximation)</translation>
    </message>
    <message>
        <source>also write the columns t, risk, p5, p25, p50, p75, p95, mean,
deterministic into FILE.csv</source>
        <translation>escribir también las columnas t, risk, p5, p25, p50, p75, p95, mean,
deterministic en FILE.csv</translation>
    </message>
    <message>
        <source>number of steps (Project/Transit pairs), 0 to 1000
(default 10)</source>
        <translation>número de pasos (pares Project/Transit), de 0 a 1000
(por defecto 10)</translation>
    </message>
    <message>
        <source>after the run, write the four files &quot;Save&quot; writes for the name
BASE.txt: BASE-age structure.txt, BASE-age distribution.txt,
BASE-total population and growth rate.txt and
BASE-growth-birth-death-survival-rate.txt (BASE takes no ending);
a 4-class model only</source>
        <translation>tras la ejecución, escribir los cuatro archivos que &quot;Save&quot; escribe para el
nombre BASE.txt: BASE-age structure.txt, BASE-age distribution.txt,
BASE-total population and growth rate.txt y
BASE-growth-birth-death-survival-rate.txt (BASE sin extensión);
solo un modelo de 4 clases</translation>
    </message>
    <message>
        <source>also write the table printed into FILE as CSV</source>
        <translation>escribir también la tabla impresa en FILE como CSV</translation>
    </message>
    <message>
        <source>one line of at most 100 characters, shown with the model
(default: the title of --model&apos;s file, else none)</source>
        <translation>una línea de como mucho 100 caracteres, mostrada con el modelo
(por defecto: el título del archivo de --model, si no ninguno)</translation>
    </message>
    <message>
        <source>what the student should look for; a line break in TEXT
(bash: $&apos;one\ntwo&apos;) starts a new line (default: the notes
of --model&apos;s file, else none)</source>
        <translation>lo que el estudiante debe buscar; un salto de línea en TEXT
(bash: $&apos;one\ntwo&apos;) empieza una línea nueva (por defecto: las
notas del archivo de --model, si no ninguna)</translation>
    </message>
    <message>
        <source>replace FILE if it is there already</source>
        <translation>sustituir FILE si ya existe</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is there already; give --force to replace it</source>
        <translation>el archivo &quot;%1&quot; ya existe; use --force para sustituirlo</translation>
    </message>
    <message>
        <source>points of each yield curve, 2 to 10000 (default 200)</source>
        <translation>puntos de cada curva de rendimiento, de 2 a 10000 (por defecto 200)</translation>
    </message>
    <message>
        <source>also project each way at 90 % of its MSY for 60 steps
after one bad year that takes the share F (0 to 1) of
every stage</source>
        <translation>proyectar también cada forma al 90 % de su MSY durante 60 pasos
tras un mal año que se lleva la fracción F (0 a 1) de
cada etapa</translation>
    </message>
    <message>
        <source>print one JSON object instead of text</source>
        <translation>imprimir un objeto JSON en lugar de texto</translation>
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
Sin opciones de modelo, un comando usa el modelo por defecto; --model FILE lee
un archivo de modelo, --stages con --transitions y --reproduction un ciclo de
vida. &quot;velmora-cli COMMAND --help&quot; o &quot;velmora-cli help COMMAND&quot; lista las
opciones de un comando; &quot;velmora-cli --version&quot; imprime la versión. --lang
CODE (de, en, es, fr) elige el idioma de los textos en lugar del del sistema;
JSON, CSV y los archivos escritos son iguales en todos los idiomas.
</translation>
    </message>
    <message>
        <source>Prints what the Analysis window shows for the model, with N(t) = N(0);
as text, a model file&apos;s title comes first. A life cycle of any size is
analysed the same way, its stages by name.
</source>
        <translation>Imprime lo que muestra la ventana de análisis para el modelo, con N(t) = N(0);
en texto, primero va el título de un archivo de modelo. Un ciclo de vida de
cualquier tamaño se analiza igual, sus etapas por nombre.
</translation>
    </message>
    <message>
        <source>Exit status 0 when done; 1 with one line on standard error when standard output
cannot be written; 2 with one line on standard error, and nothing done, for a bad
option or value.
</source>
        <translation>Estado de salida 0 al terminar; 1 con una línea en la salida de errores cuando no
se puede escribir la salida estándar; 2 con una línea en la salida de errores,
sin hacer nada, por una opción o un valor erróneos.
</translation>
    </message>
    <message>
        <source>--threshold needs a number of animals, 0 or more</source>
        <translation>--threshold necesita un número de animales, 0 o más</translation>
    </message>
    <message>
        <source>Model: %1</source>
        <translation>Modelo: %1</translation>
    </message>
    <message>
        <source>print every figure of the model analysis: lambda, stable age distribution,
reproductive values, R0, damping ratio, generation time, harvest
equilibrium, the fate of N(0) under the harvest, the largest constant harvest</source>
        <translation>imprimir cada cifra del análisis del modelo: lambda, distribución estable de
edades, valores reproductivos, R0, razón de amortiguamiento, tiempo de
generación, equilibrio con cosecha, el destino de N(0) bajo la cosecha, la
mayor cosecha constante</translation>
    </message>
    <message>
        <source>Usage: velmora-cli [--lang CODE] COMMAND [OPTIONS]
       velmora-cli help COMMAND
       velmora-cli --version

Commands:
</source>
        <extracomment>The command and option names stay as they are; the lines keep their alignment.</extracomment>
        <translation>Uso: velmora-cli [--lang CODE] COMMAND [OPTIONS]
     velmora-cli help COMMAND
     velmora-cli --version

Comandos:
</translation>
    </message>
    <message>
        <source>%1: %2 (see %1 --help)</source>
        <extracomment>A refused command line: %1 is the program or command (&quot;velmora-cli run&quot;), %2 why.</extracomment>
        <translation>%1: %2 (vea %1 --help)</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>error de escritura</translation>
    </message>
    <message>
        <source>--density is &quot;%1&quot;: it takes beverton-holt, ricker or ceiling</source>
        <translation>--density es &quot;%1&quot;: admite beverton-holt, ricker o ceiling</translation>
    </message>
    <message>
        <source>--capacity needs a number above 0</source>
        <translation>--capacity necesita un número mayor que 0</translation>
    </message>
    <message>
        <source>--strategy is &quot;%1&quot;: it takes quota, rate or escapement</source>
        <translation>--strategy es &quot;%1&quot;: admite quota, rate o escapement</translation>
    </message>
    <message>
        <source>--level needs a number of at least 0</source>
        <translation>--level necesita un número de al menos 0</translation>
    </message>
    <message>
        <source>--density is missing: give beverton-holt, ricker or ceiling</source>
        <translation>falta --density: indique beverton-holt, ricker o ceiling</translation>
    </message>
    <message>
        <source>--capacity is missing: give K, the density at rest</source>
        <translation>falta --capacity: indique K, la densidad en reposo</translation>
    </message>
    <message>
        <source>--counted-stages names a stage twice or one the model does not have</source>
        <translation>--counted-stages nombra una etapa dos veces o una que el modelo no tiene</translation>
    </message>
    <message>
        <source>--harvest-stages names a stage twice or one the model does not have</source>
        <translation>--harvest-stages nombra una etapa dos veces o una que el modelo no tiene</translation>
    </message>
    <message>
        <source>--strategy needs --level: the quota, rate or escapement to keep</source>
        <translation>--strategy necesita --level: la cuota, tasa o escape que mantener</translation>
    </message>
    <message>
        <source>--level needs --strategy: quota, rate or escapement</source>
        <translation>--level necesita --strategy: quota, rate o escapement</translation>
    </message>
    <message>
        <source>--strategy needs density dependence (--density and --capacity): without it, every way of harvesting either loses the population or lets it grow for ever</source>
        <translation>--strategy necesita dependencia de la densidad (--density y --capacity): sin ella, cualquier forma de cosecha pierde la población o la deja crecer para siempre</translation>
    </message>
    <message>
        <source>--level of a rate is a share from 0 to 1</source>
        <translation>--level de una tasa es una fracción de 0 a 1</translation>
    </message>
    <message>
        <source>a ceiling</source>
        <extracomment>A form of density dependence, as in &quot;Density dependence: a ceiling, K = 100&quot;.</extracomment>
        <translation>un techo</translation>
    </message>
    <message>
        <source>an exercise&apos;s answer key for a student, the check of its questions, and the
marks of the answers students hand in</source>
        <translation>la clave de respuestas de un ejercicio para un estudiante, la comprobación de
sus preguntas y las notas de las respuestas que entregan los estudiantes</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>The head of a command&apos;s first syntax line.</extracomment>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>or:</source>
        <extracomment>The head of a command&apos;s second syntax line, under &quot;Usage:&quot;.</extracomment>
        <translation>o:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>%1 needs 7 comma-separated values: f0,f1,f2,f3,s0,s1,s2</source>
        <translation>%1 necesita 7 valores separados por comas: f0,f1,f2,f3,s0,s1,s2</translation>
    </message>
    <message>
        <source>%1 needs 4 comma-separated values</source>
        <translation>%1 necesita 4 valores separados por comas</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number</source>
        <translation>%1: &quot;%2&quot; no es un número</translation>
    </message>
    <message>
        <source>1 stage</source>
        <extracomment>A number of stages, for the %1 of a refusal.</extracomment>
        <translation>1 etapa</translation>
    </message>
    <message>
        <source>%1 stages</source>
        <translation>%1 etapas</translation>
    </message>
    <message>
        <source>%1: --model&apos;s file gives its model as a life cycle of %2: change it with --transitions and --reproduction</source>
        <extracomment>%2 is a number of stages (&quot;3 stages&quot;).</extracomment>
        <translation>%1: el archivo de --model da su modelo como un ciclo de vida de %2: cámbielo con --transitions y --reproduction</translation>
    </message>
    <message>
        <source>%1: a 4-class Leslie matrix cannot be given with %2: give the life cycle&apos;s --transitions and --reproduction instead</source>
        <translation>%1: no se puede dar una matriz de Leslie de 4 clases con %2: dé en su lugar --transitions y --reproduction del ciclo de vida</translation>
    </message>
    <message>
        <source>--model %1</source>
        <translation>--model %1</translation>
    </message>
    <message>
        <source>%1 names %2, and --model&apos;s file has %3: give one name for each of them</source>
        <extracomment>%1 is the option with its value; %2 and %3 are numbers of stages (&quot;3 stages&quot;).</extracomment>
        <translation>%1 nombra %2, y el archivo de --model tiene %3: dé un nombre para cada una</translation>
    </message>
    <message>
        <source>--stages needs %1 ROWS as well: a life cycle has survival and growth (U) and reproduction (F)</source>
        <translation>--stages necesita también %1 ROWS: un ciclo de vida tiene supervivencia y crecimiento (U) y reproducción (F)</translation>
    </message>
    <message>
        <source>%1 needs --stages NAMES, or --model with a file: the stages its values are read for</source>
        <translation>%1 necesita --stages NAMES, o --model con un archivo: las etapas para las que se leen sus valores</translation>
    </message>
    <message>
        <source>--transitions: the column of &quot;%1&quot; adds up to %2: at most all of a stage can survive</source>
        <translation>--transitions: la columna de &quot;%1&quot; suma %2: como mucho puede sobrevivir toda una etapa</translation>
    </message>
    <message>
        <source>--n0: N(0) adds up to a total beyond the range of a double</source>
        <translation>--n0: N(0) suma un total fuera del rango de un double</translation>
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
        <translation>Uso: velmora-cli risk [--model FILE] [--matrix LIST] [--n0 LIST] [--harvest LIST]
                      [--cv-survival X] [--cv-fecundity X] [--demographic]
                      [--threshold Q] [--replicates R] [--steps T] [--seed S]
                      [--threads K] [--json] [--out FILE.csv]
                      [--density FORM --capacity K] [--counted-stages LIST]
                      [--strategy WAY --level X] [--harvest-stages LIST]

Proyecta el modelo R veces durante T pasos con sus tasas vitales sorteadas de
nuevo cada año (cada tasa de supervivencia de una distribución beta, cada
fecundidad de una lognormal, con la tasa del modelo como media y el CV dado) e
imprime la probabilidad de que el total caiga bajo Q (o a 0) en T pasos, como
hace la ventana &quot;Risk under variability...&quot;. Cada paso es N(t+1) = M(t) N(t) - H,
clases negativas 0. Un ciclo de vida de cualquier tamaño (--stages ..., o un
archivo con uno) empieza en su N(0): la supervivencia de cada etapa se sortea y
se reparte entre sus destinos como en U, cada entrada de F y C varía por sí sola.
Con --density (o un archivo --model con dependencia de la densidad), la
reproducción de cada año baja con la densidad a su comienzo, y con --strategy la
cosecha es una cuota, una tasa o un escape en lugar de H. log lambda_s sigue
siendo el del modelo sin dependencia de la densidad.

Opciones:
</translation>
    </message>
    <message>
        <source>Exit status 0 when done; 1 with one line on standard error when the CSV file
cannot be written (the results are printed all the same), standard output
cannot be written or the run cannot start its threads; 2 with one line on
standard error, and nothing done, for a bad option or value.
</source>
        <translation>Estado de salida 0 al terminar; 1 con una línea en la salida de errores
cuando no se puede escribir el archivo CSV (los resultados se imprimen
igualmente), no se puede escribir la salida estándar o la ejecución no puede
iniciar sus hilos; 2 con una línea en la salida de errores, sin hacer nada,
por una opción o un valor erróneos.
</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>In place of a number that could not be found.</extracomment>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Density dependence: %1, K = %2; harvest: H.</source>
        <extracomment>%1 is the form of density dependence (&quot;Beverton-Holt&quot;, &quot;a ceiling&quot;).</extracomment>
        <translation>Dependencia de la densidad: %1, K = %2; cosecha: H.</translation>
    </message>
    <message>
        <source>Density dependence: %1, K = %2; harvest: a quota of Q = %3 a step.</source>
        <translation>Dependencia de la densidad: %1, K = %2; cosecha: una cuota de Q = %3 por paso.</translation>
    </message>
    <message>
        <source>Density dependence: %1, K = %2; harvest: a rate of h = %3.</source>
        <translation>Dependencia de la densidad: %1, K = %2; cosecha: una tasa de h = %3.</translation>
    </message>
    <message>
        <source>Density dependence: %1, K = %2; harvest: an escapement of E = %3.</source>
        <translation>Dependencia de la densidad: %1, K = %2; cosecha: un escape de E = %3.</translation>
    </message>
    <message>
        <source>%1 replicates of %2 steps, seed %3: survival CV %4, fecundity CV %5, whole animals (demographic variation).</source>
        <translation>%1 réplicas de %2 pasos, semilla %3: CV de supervivencia %4, CV de fecundidad %5, animales enteros (variación demográfica).</translation>
    </message>
    <message>
        <source>%1 replicates of %2 steps, seed %3: survival CV %4, fecundity CV %5, no demographic variation.</source>
        <translation>%1 réplicas de %2 pasos, semilla %3: CV de supervivencia %4, CV de fecundidad %5, sin variación demográfica.</translation>
    </message>
    <message>
        <source>N(t) = %1 at t = %2</source>
        <translation>N(t) = %1 en t = %2</translation>
    </message>
    <message>
        <source>%1 (rounded to whole animals)</source>
        <translation>%1 (redondeado a animales enteros)</translation>
    </message>
    <message>
        <source>Start: %1.</source>
        <extracomment>%1 holds N(0) (and H) of the start, as numbers.</extracomment>
        <translation>Inicio: %1.</translation>
    </message>
    <message>
        <source>At t = %1: mean total %2, median %3 (5 % to 95 %: %4 to %5); deterministic %6.</source>
        <translation>En t = %1: total medio %2, mediana %3 (5 % a 95 %: %4 a %5); determinista %6.</translation>
    </message>
    <message>
        <source>log lambda_s without harvest: %1 from the replicates, %2 by Tuljapurkar&apos;s approximation.</source>
        <translation>log lambda_s sin cosecha: %1 según las réplicas, %2 según la aproximación de Tuljapurkar.</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be written: %2</source>
        <translation>no se pudo escribir el archivo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>Escrito %1</translation>
    </message>
    <message>
        <source>project the model many times with vital rates that vary from year to year and
print the chance of falling below a threshold, with percentiles of the total</source>
        <translation>proyectar el modelo muchas veces con tasas vitales que varían de un año a
otro e imprimir la probabilidad de caer bajo un umbral, con percentiles del
total</translation>
    </message>
    <message>
        <source>%1: the number is beyond the range of a double</source>
        <translation>%1: el número está fuera del rango de un double</translation>
    </message>
    <message>
        <source>%1: needs a number from %2 up</source>
        <translation>%1: necesita un número desde %2</translation>
    </message>
    <message>
        <source>%1: needs a number from %2 to %3</source>
        <translation>%1: necesita un número de %2 a %3</translation>
    </message>
    <message>
        <source>%1: needs a whole number from %2 to %3</source>
        <translation>%1: necesita un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>--out needs a file name</source>
        <translation>--out necesita un nombre de archivo</translation>
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
        <translation>Ejecuta K pares Project/Transit como la ventana principal e imprime N(t), el
total y la tasa de crecimiento de cada paso. Se detiene antes en un paso
rechazado o al final de la simulación, y lo dice. Un ciclo de vida que no es
un modelo de Leslie de 4 clases avanza como en la ventana Life cycle,
N(t+1) = (U + F + C) N(t) - H con etapas negativas 0: una fila por paso con t,
cada etapa por nombre, el total y la tasa de crecimiento N(t)/N(t-1).
Con --density (o un archivo --model con dependencia de la densidad) el modelo
avanza así, F y C escalados por la densidad, y con --strategy la cosecha es una
cuota, una tasa o un escape en lugar de H; la tabla da también el rendimiento
de cada paso.
</translation>
    </message>
    <message>
        <source>Exit status 0 when done; 1 with one line on standard error when a step was
refused (a number beyond the range of a double), a history or CSV file cannot
be written (the files hold the steps that were run; the files before a failed
one stay written) or standard output cannot be written; 2 with one line on
standard error, and nothing done, for a bad option or value.
</source>
        <translation>Estado de salida 0 al terminar; 1 con una línea en la salida de errores
cuando se rechazó un paso (un número fuera del rango de un double), no se
puede escribir un archivo de historial o CSV (los archivos contienen los
pasos ejecutados; los archivos anteriores a uno fallido quedan escritos) o no
se puede escribir la salida estándar; 2 con una línea en la salida de
errores, sin hacer nada, por una opción o un valor erróneos.
</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>growth rate</source>
        <extracomment>A column head of the run table: N(t)/N(t-1).</extracomment>
        <translation>tasa de crecimiento</translation>
    </message>
    <message>
        <source>yield</source>
        <extracomment>A column head of the run table: what the harvest took in the step.</extracomment>
        <translation>rendimiento</translation>
    </message>
    <message>
        <source>Ran %1 Project/Transit pairs.</source>
        <translation>Se ejecutaron %1 pares Project/Transit.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 Project/Transit pairs.</source>
        <translation>Detenido tras %1 de %2 pares Project/Transit.</translation>
    </message>
    <message>
        <source>The projection to t = %1 was rejected: Population size = 0. %2</source>
        <translation>Se rechazó la proyección a t = %1: tamaño de la población = 0. %2</translation>
    </message>
    <message>
        <source>Population size = 0.  End of simulation.</source>
        <translation>Tamaño de la población = 0.  Fin de la simulación.</translation>
    </message>
    <message>
        <source>Ran 1 step.</source>
        <translation>Se ejecutó 1 paso.</translation>
    </message>
    <message>
        <source>Ran %1 steps.</source>
        <translation>Se ejecutaron %1 pasos.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 steps.</source>
        <translation>Detenido tras %1 de %2 pasos.</translation>
    </message>
    <message>
        <source>Population size = 0 at t = %1: nothing is left to project. %2</source>
        <translation>Tamaño de la población = 0 en t = %1: no queda nada que proyectar. %2</translation>
    </message>
    <message>
        <source>The step to t = %1 gives a number beyond the range of a double. %2</source>
        <translation>El paso a t = %1 da un número fuera del rango de un double. %2</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be written: %2; the files after it were not written</source>
        <translation>no se pudo escribir el archivo &quot;%1&quot;: %2; los archivos posteriores no se escribieron</translation>
    </message>
    <message>
        <source>--steps needs a whole number from 0 to %1</source>
        <translation>--steps necesita un número entero de 0 a %1</translation>
    </message>
    <message>
        <source>--out needs a base name</source>
        <translation>--out necesita un nombre base</translation>
    </message>
    <message>
        <source>--out &quot;%1&quot; names a folder; give a base name in it, such as &quot;%1run&quot;</source>
        <translation>--out &quot;%1&quot; nombra una carpeta; dé un nombre base dentro de ella, como &quot;%1run&quot;</translation>
    </message>
    <message>
        <source>--csv &quot;%1&quot; needs a file name</source>
        <translation>--csv &quot;%1&quot; necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--out &quot;%1&quot;: the four history files are those of a 4-class model, and this model is a life cycle of %2 stages: write its table with --csv FILE</source>
        <translation>--out &quot;%1&quot;: los cuatro archivos de historial son los de un modelo de 4 clases, y este modelo es un ciclo de vida de %2 etapas: escriba su tabla con --csv FILE</translation>
    </message>
    <message>
        <source>--out &quot;%1&quot;: the four history files are those of the linear model, and this run has density dependence: write its table with --csv FILE</source>
        <translation>--out &quot;%1&quot;: los cuatro archivos de historial son los del modelo lineal, y esta ejecución tiene dependencia de la densidad: escriba su tabla con --csv FILE</translation>
    </message>
    <message>
        <source>run Project/Transit steps of a model or a life cycle, print every step,
write the table with --csv and, with --out, the four history files
that &quot;Save&quot; writes</source>
        <translation>ejecutar pasos Project/Transit de un modelo o ciclo de vida, imprimir cada paso,
escribir la tabla con --csv y, con --out, los cuatro archivos de historial
que escribe &quot;Save&quot;</translation>
    </message>
    <message>
        <source>Writes a model file (.velmora) that &quot;Open model...&quot; of the main window and
--model read: the default model, or the model of --model, with the other
model options over it. A FILE without an ending gets &quot;.velmora&quot;. A file
already there is left as it is, unless --force is given. A 4-class Leslie
model is written as a version 1 file, any other life cycle as version 2; the
source of --model&apos;s file is kept.
</source>
        <translation>Escribe un archivo de modelo (.velmora) que leen &quot;Open model...&quot; de la ventana
principal y --model: el modelo por defecto, o el de --model, con las demás
opciones de modelo encima. Un FILE sin extensión recibe &quot;.velmora&quot;. Un archivo
que ya existe se deja como está, salvo con --force. Un modelo de Leslie de 4
clases se escribe como archivo de versión 1, cualquier otro ciclo de vida como
versión 2; se conserva la fuente del archivo de --model.
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
Estado de salida 0 al escribir; 1 con una línea en la salida de errores cuando
no se puede escribir el archivo (un archivo que ya existía queda como estaba);
2 con una línea en la salida de errores, sin escribir nada, por una opción o
un valor erróneos o por un FILE que ya existe sin --force.
</translation>
    </message>
    <message>
        <source>more than one FILE given: &quot;%1&quot; and &quot;%2&quot;</source>
        <translation>se dio más de un FILE: &quot;%1&quot; y &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no FILE given: the model file to write comes last</source>
        <translation>no se dio ningún FILE: el archivo de modelo que escribir va al final</translation>
    </message>
    <message>
        <source>FILE &quot;%1&quot; names a folder</source>
        <translation>FILE &quot;%1&quot; nombra una carpeta</translation>
    </message>
    <message>
        <source>write a model file (.velmora) for the main window&apos;s &quot;Open model...&quot; and
--model</source>
        <translation>escribir un archivo de modelo (.velmora) para &quot;Open model...&quot; de la ventana
principal y --model</translation>
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
        <translation>Uso: velmora-cli yield [--model FILE] [--matrix LIST] [--n0 LIST] [--harvest LIST]
                       --density FORM --capacity K [--counted-stages LIST]
                       [--harvest-stages LIST] [--points N] [--shock F] [--json]

Da al modelo dependencia de la densidad en su reproducción y compara tres
formas de cosecharlo: una cuota fija Q, una tasa fija h y un escape fijo E.
Para cada una: la curva de rendimiento una vez estabilizada la población, su
máximo (MSY) y dónde está, el nivel al 90 % del MSY y la menor pérdida en un
mal año que luego lleva la población a 0.

Opciones:
</translation>
    </message>
    <message>
        <source>Exit status 0 when done; 1 with one line on standard error when standard output
cannot be written; 2 with one line on standard error, and nothing done, for a bad
option or value, or a model that cannot settle at K (R0 of at most 1).
</source>
        <translation>Estado de salida 0 al terminar; 1 con una línea en la salida de errores cuando no
se puede escribir la salida estándar; 2 con una línea en la salida de errores,
sin hacer nada, por una opción o un valor erróneos, o un modelo que no puede
estabilizarse en K (R0 de como mucho 1).
</translation>
    </message>
    <message>
        <source>--points needs a whole number from 2 to 10000</source>
        <translation>--points necesita un número entero de 2 a 10000</translation>
    </message>
    <message>
        <source>--shock needs a share from 0 to 1</source>
        <translation>--shock necesita una fracción de 0 a 1</translation>
    </message>
    <message>
        <source>--density and --capacity are missing: give the form (beverton-holt, ricker or ceiling) and K, the density at rest</source>
        <translation>faltan --density y --capacity: indique la forma (beverton-holt, ricker o ceiling) y K, la densidad en reposo</translation>
    </message>
    <message>
        <source>no positive population rests at K without harvest</source>
        <translation>ninguna población positiva reposa en K sin cosecha</translation>
    </message>
    <message>
        <source>Density dependence: %1, K = %2, R0 = %3, b = %4</source>
        <translation>Dependencia de la densidad: %1, K = %2, R0 = %3, b = %4</translation>
    </message>
    <message>
        <source>Density dependence: %1, K = %2, R0 = %3</source>
        <translation>Dependencia de la densidad: %1, K = %2, R0 = %3</translation>
    </message>
    <message>
        <source>At rest without harvest, %1 in all:</source>
        <translation>En reposo sin cosecha, %1 en total:</translation>
    </message>
    <message>
        <source>way</source>
        <extracomment>Column heads of the yield table: kept short, the table has fixed columns.</extracomment>
        <translation>forma</translation>
    </message>
    <message>
        <source>MSY</source>
        <translation>MSY</translation>
    </message>
    <message>
        <source>at</source>
        <extracomment>Column head: the level (Q, h or E) at which the MSY lies.</extracomment>
        <translation>en</translation>
    </message>
    <message>
        <source>total at MSY</source>
        <translation>total en MSY</translation>
    </message>
    <message>
        <source>90 % of MSY at</source>
        <translation>90 % del MSY en</translation>
    </message>
    <message>
        <source>unstable rest</source>
        <translation>reposo inestable</translation>
    </message>
    <message>
        <source>smallest fatal loss</source>
        <translation>menor pérdida fatal</translation>
    </message>
    <message>
        <source>none short of all</source>
        <extracomment>No loss short of the whole population is fatal.</extracomment>
        <translation>solo todo</translation>
    </message>
    <message>
        <source>Under the %1 the population has no stable rest at its MSY: the yield is the mean over a cycle of %2 steps.</source>
        <extracomment>%1 is the way of harvesting as typed: quota, rate or escapement.</extracomment>
        <translation>Con %1 la población no tiene reposo estable en su MSY: el rendimiento es la media sobre un ciclo de %2 pasos.</translation>
    </message>
    <message>
        <source>Under the %1 the population has no stable rest at its MSY: it swings irregularly (chaos), and the yield is the mean over 600 steps.</source>
        <translation>Con %1 la población no tiene reposo estable en su MSY: oscila de forma irregular (caos), y el rendimiento es la media sobre 600 pasos.</translation>
    </message>
    <message>
        <source>Total after one bad year that takes %1 % of every stage, each way at 90 % of its MSY:</source>
        <translation>Total tras un mal año que se lleva el %1 % de cada etapa, cada forma al 90 % de su MSY:</translation>
    </message>
    <message>
        <source>give the model density dependence and compare the yield curves, MSY and the
one bad year each of a quota, a rate and an escapement survives</source>
        <translation>dar al modelo dependencia de la densidad y comparar las curvas de rendimiento,
el MSY y el mal año que resisten una cuota, una tasa y un escape</translation>
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
    <name>ProgramOptions</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
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
    <name>ChartTexts</name>
    <message>
        <source>age  %1</source>
        <extracomment>A chart legend entry; %1 is the age class number.</extracomment>
        <translation>edad %1</translation>
    </message>
    <message>
        <source>time</source>
        <extracomment>The x axis title of the charts of the history.</extracomment>
        <translation>tiempo</translation>
    </message>
    <message>
        <source>Total population size</source>
        <translation>Tamaño total de la población</translation>
    </message>
    <message>
        <source>Growth rate</source>
        <translation>Tasa de crecimiento</translation>
    </message>
    <message>
        <source>Change rate dN(t)</source>
        <translation>Variación dN(t)</translation>
    </message>
    <message>
        <source>Age structure</source>
        <translation>Estructura de edades</translation>
    </message>
    <message>
        <source>age size</source>
        <translation>tamaño por edad</translation>
    </message>
    <message>
        <source>age distribution</source>
        <translation>distribución de edades</translation>
    </message>
</context>
<context>
    <name>ChartImage</name>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>No se pudo dibujar la imagen.</translation>
    </message>
</context>
<context>
    <name>velmora::ChartMenu</name>
    <message>
        <source>&amp;Save chart as image...</source>
        <translation>&amp;Guardar gráfico como imagen...</translation>
    </message>
    <message>
        <source>&amp;Copy chart</source>
        <translation>&amp;Copiar gráfico</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Guardar gráfico como imagen</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>El archivo «%1» ya existe.
¿Quiere reemplazarlo?</translation>
    </message>
    <message>
        <source>The chart could not be saved as &quot;%1&quot;:
%2</source>
        <translation>No se pudo guardar el gráfico como «%1»:
%2</translation>
    </message>
</context>
<context>
    <name>velmora::Larggraf</name>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Population size</source>
        <translation>Población</translation>
    </message>
    <message>
        <source>Growth rate</source>
        <translation>Crecimiento</translation>
    </message>
    <message>
        <source>Age structure</source>
        <translation>Estructura</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Impr.</translation>
    </message>
    <message>
        <source>Age distribution</source>
        <translation>Distribución</translation>
    </message>
    <message>
        <source>Population size: chart of the total N(t)</source>
        <translation>Población: gráfico del total N(t)</translation>
    </message>
    <message>
        <source>Growth rate: chart of N(t+1)/N(t)</source>
        <translation>Tasa de crecimiento: gráfico de N(t+1)/N(t)</translation>
    </message>
    <message>
        <source>Age structure: chart of every age class</source>
        <translation>Estructura de edades: gráfico de cada clase de edad</translation>
    </message>
    <message>
        <source>N(t)-N(t-1): chart of the change</source>
        <translation>N(t)-N(t-1): gráfico de la variación</translation>
    </message>
    <message>
        <source>Age distribution: chart of the shares of the age classes</source>
        <translation>Distribución de edades: gráfico de la proporción de cada clase de edad</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Imprimir esta página</translation>
    </message>
    <message>
        <source>Go back: back to the main window</source>
        <translation>Volver: volver a la ventana principal</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Salir de este programa</translation>
    </message>
    <message>
        <source>Chart: %1, %2 over %3</source>
        <extracomment>Read out by screen readers: %1 the chart&apos;s title, %2 and %3 its axis titles.</extracomment>
        <translation>Gráfico: %1, %2 frente a %3</translation>
    </message>
</context>
<context>
    <name>velmora::Changdat</name>
    <message>
        <source>Change default values</source>
        <translation>Cambiar valores</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>M, row %1, column %2 (always 0)</source>
        <translation>M, fila %1, columna %2 (siempre 0)</translation>
    </message>
    <message>
        <source>Fecundity of age class %1</source>
        <translation>Fecundidad de la clase de edad %1</translation>
    </message>
    <message>
        <source>Survival rate from age class %1 to %2</source>
        <translation>Tasa de supervivencia de la clase de edad %1 a la %2</translation>
    </message>
    <message>
        <source>N(0), age class %1</source>
        <translation>N(0), clase de edad %1</translation>
    </message>
    <message>
        <source>Harvest, age class %1</source>
        <translation>Cosecha, clase de edad %1</translation>
    </message>
    <message>
        <source>Go Back: check and apply the values</source>
        <translation>Volver: comprobar y aplicar los valores</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Salir de este programa</translation>
    </message>
    <message>
        <source>Try again: enter new values</source>
        <translation>Reintentar: introducir valores nuevos</translation>
    </message>
    <message>
        <source>You can change the default values of the population matrix (M), the initial population structure N(0) and the daily harvest rate matrix H.  In matrix M, the red data are the age-specific fecundities. The blue data are the age-specific survival rates. The age-specific harvest matrix (H) contains the daily harvest number for each age group.</source>
        <translation>Aquí puede cambiar los valores iniciales de la matriz de población (M), la población inicial N(0) y la matriz de cosecha diaria H. En M, los datos rojos son las fecundidades por edad y los azules, las tasas de supervivencia. La matriz de cosecha (H) contiene la cosecha diaria de cada grupo de edad.</translation>
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
        <source>Velmora model based on Lewis-Leslie matrix</source>
        <translation>Modelo Velmora basado en la matriz de Lewis-Leslie</translation>
    </message>
    <message>
        <source>Velmora model</source>
        <translation>Modelo Velmora</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>(C) Velmora project, 1997-%1</source>
        <extracomment>%1 is the current year.</extracomment>
        <translation>(C) Proyecto Velmora, 1997-%1</translation>
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
        <translation>El proyecto Velmora
Software didáctico de
ecología de poblaciones</translation>
    </message>
    <message>
        <source>Harvest</source>
        <translation>Cosecha</translation>
    </message>
    <message>
        <source>Right click here (or press the Menu key) for the model&apos;s analysis, risk, harvest and yield, life cycle, model files and examples</source>
        <translation>Haga clic derecho aquí (o pulse la tecla Menú) para el análisis del modelo, el riesgo, la cosecha y el rendimiento, el ciclo de vida, los archivos de modelo y los ejemplos</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Proyección</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transición</translation>
    </message>
    <message>
        <source>Population size = 0.  End of simulation.</source>
        <translation>Población = 0. Fin de la simulación.</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Growth rate =</source>
        <translation>Crecimiento =</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source> Your choice </source>
        <translation> Su elección </translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Pasar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Salir de este programa</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>View graphics</source>
        <translation>Ver gráficos</translation>
    </message>
    <message>
        <source>Change default values</source>
        <translation>Cambiar valores</translation>
    </message>
    <message>
        <source>Change default data</source>
        <translation>Cambiar los valores iniciales</translation>
    </message>
    <message>
        <source>How To</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Impr.</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Imprimir esta página</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>M, row %1, column %2</source>
        <translation>M, fila %1, columna %2</translation>
    </message>
    <message>
        <source>Fecundity of age class %1</source>
        <translation>Fecundidad de la clase de edad %1</translation>
    </message>
    <message>
        <source>Survival rate from age class %1 to %2</source>
        <translation>Tasa de supervivencia de la clase de edad %1 a la %2</translation>
    </message>
    <message>
        <source>N(t), age class %1</source>
        <translation>N(t), clase de edad %1</translation>
    </message>
    <message>
        <source>Harvest, age class %1</source>
        <translation>Cosecha, clase de edad %1</translation>
    </message>
    <message>
        <source>N(t+1), age class %1</source>
        <translation>N(t+1), clase de edad %1</translation>
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
        <translation>Tasa de crecimiento</translation>
    </message>
    <message>
        <source>Project: compute N(t+1)</source>
        <translation>Calcular: calcular N(t+1)</translation>
    </message>
    <message>
        <source>Transit: move N(t+1) into N(t)</source>
        <translation>Pasar: llevar N(t+1) a N(t)</translation>
    </message>
    <message>
        <source>Graph: view the charts</source>
        <translation>Gráfico: ver los gráficos</translation>
    </message>
    <message>
        <source>How to use this program</source>
        <translation>Cómo usar este programa</translation>
    </message>
    <message>
        <source>Save the history to files</source>
        <translation>Guardar el historial en archivos</translation>
    </message>
    <message>
        <source>Velmora model: open the introduction</source>
        <translation>Modelo Velmora: abrir la introducción</translation>
    </message>
    <message>
        <source>Model &amp;analysis...</source>
        <translation>&amp;Análisis del modelo...</translation>
    </message>
    <message>
        <source>&amp;Risk under variability...</source>
        <translation>&amp;Riesgo con variabilidad...</translation>
    </message>
    <message>
        <source>&amp;Life cycle...</source>
        <translation>Ciclo de &amp;vida...</translation>
    </message>
    <message>
        <source>Harvest and &amp;yield...</source>
        <translation>Cosecha y &amp;rendimiento...</translation>
    </message>
    <message>
        <source>&amp;Open model...</source>
        <translation>A&amp;brir modelo...</translation>
    </message>
    <message>
        <source>&amp;Save model...</source>
        <translation>&amp;Guardar modelo...</translation>
    </message>
    <message>
        <source>Save as exer&amp;cise...</source>
        <translation>Guardar como e&amp;jercicio...</translation>
    </message>
    <message>
        <source>E&amp;xamples</source>
        <translation>&amp;Ejemplos</translation>
    </message>
    <message>
        <source>A&amp;bout this model</source>
        <translation>A&amp;cerca de este modelo</translation>
    </message>
    <message>
        <source>Model: %1</source>
        <extracomment>%1 is the title of the model file opened last.</extracomment>
        <translation>Modelo: %1</translation>
    </message>
    <message>
        <source>Click for the introduction</source>
        <translation>Haga clic para la introducción</translation>
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
    <name>HistorySaver</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is too short.
The files are named after it without its last four characters, so it needs at least four after the folder.
Nothing was saved.</source>
        <translation>El nombre «%1» es demasiado corto.
Los archivos llevan ese nombre sin sus cuatro últimos caracteres, así que necesita al menos cuatro después de la carpeta.
No se ha guardado nada.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written:
%2</source>
        <extracomment>%1 is a file name, %2 the reason the system gave.</extracomment>
        <translation>No se pudo escribir el archivo «%1»:
%2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written:
%2
The files after it were not written.</source>
        <translation>No se pudo escribir el archivo «%1»:
%2
Los archivos siguientes no se han escrito.</translation>
    </message>
</context>
<context>
    <name>velmora::copyrigh</name>
    <message>
        <source>Copyright</source>
        <translation>Derechos de autor</translation>
    </message>
    <message>
        <source>Emblem: an age pyramid of the four age classes, Velmora since 1997</source>
        <translation>Emblema: una pirámide de edades de las cuatro clases de edad, Velmora desde 1997</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK: go on quitting</source>
        <translation>OK: seguir saliendo</translation>
    </message>
</context>
<context>
    <name>velmora::Howto</name>
    <message>
        <source>How to</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK: back to the main window</source>
        <translation>OK: volver a la ventana principal</translation>
    </message>
</context>
<context>
    <name>velmora::Introfrm</name>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Introduction to the model</source>
        <translation>Introducción al modelo</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Referencias</translation>
    </message>
    <message>
        <source>References: the literature behind the model</source>
        <translation>Referencias: la bibliografía del modelo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK: back to the main window</source>
        <translation>OK: volver a la ventana principal</translation>
    </message>
</context>
<context>
    <name>velmora::Prophecy</name>
    <message>
        <source>Velmora (II): press any key or click to go on</source>
        <translation>Velmora (II): pulse una tecla o haga clic para continuar</translation>
    </message>
    <message>
        <source>Picture: the life cycle of the four age classes</source>
        <translation>Imagen: el ciclo de vida de las cuatro clases de edad</translation>
    </message>
</context>
<context>
    <name>velmora::Quiz</name>
    <message>
        <source>Quiz</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Back to the mainform</source>
        <translation>Ventana principal</translation>
    </message>
    <message>
        <source>Back to the main window</source>
        <translation>Volver a la ventana principal</translation>
    </message>
</context>
<context>
    <name>velmora::Referenc</name>
    <message>
        <source>References</source>
        <translation>Referencias</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK: back to the main window</source>
        <translation>OK: volver a la ventana principal</translation>
    </message>
</context>
<context>
    <name>ScreenTexts</name>
    <message>
        <source>The Lewis-Leslie matrix was developed by Lewis (1942) and by Leslie (1945, 1948).</source>
        <translation>La matriz de Lewis-Leslie fue desarrollada por Lewis (1942) y por Leslie (1945, 1948).</translation>
    </message>
    <message>
        <source>The first row (the red numbers) of the square matrix contains the age-specific fecundities of each age group, the subdiagnol column (the blue numbers) contains the age-specific survival rates.</source>
        <translation>La primera fila (los números rojos) de la matriz cuadrada contiene las fecundidades por edad de cada grupo de edad; la subdiagonal (los números azules) contiene las tasas de supervivencia por edad.</translation>
    </message>
    <message>
        <source>A single column matrix (vector) is used to represent the age structure of the population. As the time approaches infinity, the growth rate becomes constant and the age distribution becomes stable.</source>
        <translation>Una matriz de una sola columna (un vector) representa la estructura de edades de la población. Cuando el tiempo tiende a infinito, la tasa de crecimiento se vuelve constante y la distribución de edades se estabiliza.</translation>
    </message>
    <message>
        <source>I strongly recommend that you learn the Lewis-Leslie matrix using the program Kolvan at first. Then you can learn the harvest theory based on age-specific life table.</source>
        <translation>Le recomiendo mucho que aprenda primero la matriz de Lewis-Leslie con el programa Kolvan. Después puede aprender la teoría de la cosecha basada en la tabla de vida por edad.</translation>
    </message>
    <message>
        <source>This program Velmora (II) is designed for my ecological class.  You can use this program to simulate the growth of population under constant (daily) influence of harvest.  You will see how the harvest affects the growth.</source>
        <translation>Este programa Velmora (II) está pensado para mi clase de ecología. Con él puede simular el crecimiento de una población bajo la influencia constante (diaria) de la cosecha. Verá cómo la cosecha afecta al crecimiento.</translation>
    </message>
    <message>
        <source>If the harvest rate is low, the growth rate will settle down to a stable rate as time approaching infinity. If the harvest rate is high, the growth of the population decreases. Eventually, the population decreases to zero.</source>
        <translation>Si la cosecha es baja, la tasa de crecimiento se estabiliza cuando el tiempo tiende a infinito. Si la cosecha es alta, el crecimiento de la población disminuye. Al final, la población disminuye hasta cero.</translation>
    </message>
    <message>
        <source>You should learn to find a proper harvest rate and the stable age structure which can make the population self-sustained. A proper harvest rate here means the net reproductive rate Ro=1.</source>
        <translation>Debe aprender a encontrar una cosecha adecuada y la estructura de edades estable con las que la población se mantiene por sí misma. Una cosecha adecuada significa aquí una tasa neta de reproducción Ro=1.</translation>
    </message>
    <message>
        <source>Press on the graph button, you will see the change of the total population size, the change of growth rate, age-structure, and the age distribution. The harvest rate which make the population self-sustained can be solved numerically.</source>
        <translation>Con el botón Gráfico verá la evolución del tamaño total de la población, de la tasa de crecimiento, de la estructura de edades y de la distribución de edades. La cosecha con la que la población se mantiene por sí misma se puede calcular numéricamente.</translation>
    </message>
    <message>
        <source>The Lewis-Leslie matrix is valid for age-structured populations. However, it does not take the stage differentiation into account. It ignores the sexual differentiation too.</source>
        <translation>La matriz de Lewis-Leslie es válida para poblaciones estructuradas por edad. Sin embargo, no tiene en cuenta los estadios de desarrollo. Tampoco distingue entre sexos.</translation>
    </message>
    <message>
        <source>For insect and mite populations, there are significant stage overlapping. It means that individuals of the same age may be in different developmental stage. Because individuals of different stages may be quite different in the susceptibility to insecticides, predation rate, vulnerability to predator, behavior, and others, it is important to take the age-stage structure into consideration.</source>
        <translation>En las poblaciones de insectos y ácaros los estadios se solapan mucho: individuos de la misma edad pueden estar en estadios de desarrollo distintos. Como los individuos de estadios distintos pueden diferir bastante en la sensibilidad a los insecticidas, la tasa de depredación, la vulnerabilidad ante los depredadores, el comportamiento y otros aspectos, es importante tener en cuenta la estructura por edad y estadio.</translation>
    </message>
    <message>
        <source>The program Peramo is designed for the raw data analysis and life table analysis. You are welcome to try it using your own data.  You will find it is very useful. Moreover, you will find (using your own data) that the two-sex life table theory is correct in both data analysis and theory.</source>
        <translation>El programa Peramo está pensado para el análisis de datos brutos y de tablas de vida. Le invito a probarlo con sus propios datos. Verá que es muy útil. Además, comprobará (con sus propios datos) que la teoría de la tabla de vida de dos sexos es correcta tanto en el análisis de datos como en la teoría.</translation>
    </message>
    <message>
        <source>After you understand the two-sex life table, you can then learn the harvest theory based on the two-sex life table and the periodic harvest.</source>
        <translation>Cuando entienda la tabla de vida de dos sexos, podrá aprender la teoría de la cosecha basada en la tabla de vida de dos sexos y la cosecha periódica.</translation>
    </message>
    <message>
        <source>What is the total population size at t = 2?</source>
        <translation>¿Cuál es el tamaño total de la población en t = 2?</translation>
    </message>
    <message>
        <source>Which age class holds the most individuals at t = 4?</source>
        <translation>¿Qué clase de edad tiene más individuos en t = 4?</translation>
    </message>
    <message>
        <source>Does the growth rate settle down as t grows? Look at the graphs.</source>
        <translation>¿Se estabiliza la tasa de crecimiento al aumentar t? Mire los gráficos.</translation>
    </message>
    <message>
        <source>Click on  &quot;How To&quot; to see this page.</source>
        <translation>Haga clic en «Ayuda» para ver esta página.</translation>
    </message>
    <message>
        <source>Click on  &quot;Quit&quot; to quit the program.</source>
        <translation>Haga clic en «Salir» para salir del programa.</translation>
    </message>
    <message>
        <source>Click Graph to see the graphs.</source>
        <translation>Haga clic en «Gráfico» para ver los gráficos.</translation>
    </message>
    <message>
        <source>Click Intro to see the theoretical introduction.</source>
        <translation>Haga clic en «Intro» para ver la introducción teórica.</translation>
    </message>
    <message>
        <source>Click Project or the big right arrow sign to calculate the population structure N(t+1).</source>
        <translation>Haga clic en «Calcular» o en la flecha grande hacia la derecha para calcular la estructura de la población N(t+1).</translation>
    </message>
    <message>
        <source>Click Transit or the big left arrow sign to move the population structure to the left side.</source>
        <translation>Haga clic en «Pasar» o en la flecha grande hacia la izquierda para llevar la estructura de la población al lado izquierdo.</translation>
    </message>
    <message>
        <source>Click Change Default Values to change the default values.</source>
        <translation>Haga clic en «Cambiar valores» para cambiar los valores iniciales.</translation>
    </message>
    <message>
        <source>Click Print to print the page (your printer must be connected to LPT1).</source>
        <translation>Haga clic en «Impr.» para imprimir la página (la impresora debe estar conectada a LPT1).</translation>
    </message>
    <message>
        <source>Click the right mouse button on this main window (or press the Menu key) for analysis, model files, examples and more.</source>
        <translation>Clic derecho en esta ventana (o tecla Menú): análisis, archivos de modelo, ejemplos y más.</translation>
    </message>
    <message>
        <source>This program is protected by national copyright laws and by international treaties.</source>
        <translation>Este programa está protegido por las leyes nacionales de derechos de autor y por tratados internacionales.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Derechos reservados.</translation>
    </message>
    <message>
        <source>Copyright © %1 the Velmora project</source>
        <extracomment>%1 is the years, such as 1997-2026.</extracomment>
        <translation>Copyright © %1 Proyecto Velmora</translation>
    </message>
    <message>
        <source>If you use this program in your research, please cite the following  reference in your paper:</source>
        <translation>Si usa este programa en su investigación, cite en su trabajo la siguiente referencia:</translation>
    </message>
    <message>
        <source>New versions can be obtained at %1
(the Velmora project site) or
%2
(the Velmora project mirror).</source>
        <extracomment>Four lines: %1 and %2 are web addresses.</extracomment>
        <translation>Las versiones nuevas están en %1
(sitio del proyecto Velmora) o en
%2
(réplica del proyecto Velmora).</translation>
    </message>
    <message>
        <source>Velmora (II): an age-structured population under a constant harvest. Four age classes, 0 to 3. Newborns of classes 1, 2 and 3 enter class 0 (fecundities f1 = 1, f2 = 2, f3 = 1). A share of each class reaches the next age (survival rates s0 = 0.5, s1 = 1, s2 = 0.5). The harvest H0 = 5 leaves class 0 at every step. N(t+1) = M · N(t) − H; classes that would fall below zero are set to 0. Click or press a key to begin.</source>
        <translation>Velmora (II): una población estructurada por edad bajo una cosecha constante. Cuatro clases de edad, de 0 a 3. Las crías de las clases 1, 2 y 3 entran en la clase 0 (fecundidades f1 = 1, f2 = 2, f3 = 1). Una parte de cada clase llega a la edad siguiente (tasas de supervivencia s0 = 0.5, s1 = 1, s2 = 0.5). La cosecha H0 = 5 sale de la clase 0 en cada paso. N(t+1) = M · N(t) − H; las clases que quedarían por debajo de cero se ponen a 0. Haga clic o pulse una tecla para empezar.</translation>
    </message>
    <message>
        <source>Age %1</source>
        <extracomment>The picture screen&apos;s words. %1 is the age class number, inside a small circle.</extracomment>
        <translation>Edad %1</translation>
    </message>
    <message>
        <source>An age-structured population under a constant harvest</source>
        <translation>Una población estructurada por edad bajo una cosecha constante</translation>
    </message>
    <message>
        <source>classes that would fall below zero are set to 0</source>
        <translation>las clases que quedarían bajo cero se ponen a 0</translation>
    </message>
    <message>
        <source>Click or press a key to begin</source>
        <translation>Haga clic o pulse una tecla para empezar</translation>
    </message>
    <message>
        <source>Quiz: step the default model</source>
        <translation>Test: avance el modelo inicial</translation>
    </message>
    <message>
        <source>Start with the default values: N(0) = 10, 10, 10, 10 and H = 5, 0, 0, 0. Use Project and Transit to answer:</source>
        <translation>Empiece con los valores iniciales: N(0) = 10, 10, 10, 10 y H = 5, 0, 0, 0. Use Calcular y Pasar para responder:</translation>
    </message>
    <message>
        <source>age classes</source>
        <extracomment>Under the emblem&apos;s age pyramid, in a narrow box.</extracomment>
        <translation>clases de edad</translation>
    </message>
    <message>
        <source>since 1997</source>
        <translation>desde 1997</translation>
    </message>
    <message>
        <source>A new language: translations/velmora_xx.ts and a line in language/CMakeLists.txt (see the README).</source>
        <extracomment>How a class adds its own language: keep the file and folder names as they are.</extracomment>
        <translation>Idioma nuevo: translations/velmora_xx.ts y una línea en language/CMakeLists.txt.</translation>
    </message>
</context>
<context>
    <name>velmora::titlform</name>
    <message>
        <source>Velmora (II): press any key or click to start</source>
        <translation>Velmora (II): pulse una tecla o haga clic para empezar</translation>
    </message>
    <message>
        <source>Press any key or click mouse to start.</source>
        <translation>Pulse una tecla o haga clic.</translation>
    </message>
</context>
<context>
    <name>velmora::Vater</name>
    <message>
        <source>Dedication</source>
        <translation>Dedicatoria</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <translation>Descanse en paz</translation>
    </message>
    <message>
        <source>God rest his soul: end the program</source>
        <translation>Descanse en paz: salir del programa</translation>
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
    <name>Density</name>
    <message>
        <source>K, the density at rest, must be a number above 0.</source>
        <translation>K, la densidad en equilibrio, debe ser un número mayor que 0.</translation>
    </message>
    <message>
        <source>The stages counted in the density must be stages of the model, each named once.</source>
        <translation>Los estadios contados en la densidad deben ser estadios del modelo, cada uno nombrado una sola vez.</translation>
    </message>
    <message>
        <source>A stage never dies, so R0 has no value and K cannot set the density dependence.</source>
        <translation>Un estadio nunca muere, así que R0 no tiene valor y K no puede fijar la dependencia de la densidad.</translation>
    </message>
    <message>
        <source>R0 is %1: a population that cannot more than replace itself when sparse never settles at K.</source>
        <extracomment>%1 is the net reproductive rate R0 of the life cycle, at most 1.</extracomment>
        <translation>R0 es %1: una población que no puede más que reemplazarse cuando es escasa nunca se estabiliza en K.</translation>
    </message>
    <message>
        <source>The life cycle does not pass its checks, so it cannot take density dependence.</source>
        <translation>El ciclo de vida no pasa sus comprobaciones, así que no puede tener dependencia de la densidad.</translation>
    </message>
</context>
<context>
    <name>Stochastic</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list: &quot;s0, s1 and s2&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>The number of replicates must be from 1 to %1.</source>
        <translation>El número de réplicas debe estar entre 1 y %1.</translation>
    </message>
    <message>
        <source>The number of steps must be from 1 to %1.</source>
        <translation>El número de pasos debe estar entre 1 y %1.</translation>
    </message>
    <message>
        <source>The seed must be from 0 to %1.</source>
        <translation>La semilla debe estar entre 0 y %1.</translation>
    </message>
    <message>
        <source>The number of threads must be from 1 to %1.</source>
        <translation>El número de hilos debe estar entre 1 y %1.</translation>
    </message>
    <message>
        <source>The survival CV must be a number of at least 0.</source>
        <extracomment>CV: coefficient of variation.</extracomment>
        <translation>El CV de la supervivencia debe ser un número de al menos 0.</translation>
    </message>
    <message>
        <source>The fecundity CV must be a number from 0 to %1.</source>
        <translation>El CV de la fecundidad debe ser un número entre 0 y %1.</translation>
    </message>
    <message>
        <source>The threshold must be a number of at least 0.</source>
        <translation>El umbral debe ser un número de al menos 0.</translation>
    </message>
    <message>
        <source>The harvested stages must be stages of the model, each named once.</source>
        <translation>Los estadios con cosecha deben ser estadios del modelo, cada uno nombrado una sola vez.</translation>
    </message>
    <message>
        <source>The level of the harvest must be a number of at least 0.</source>
        <translation>El nivel de la cosecha debe ser un número de al menos 0.</translation>
    </message>
    <message>
        <source>A harvest rate is a share from 0 to 1.</source>
        <translation>Una tasa de cosecha es una proporción entre 0 y 1.</translation>
    </message>
    <message>
        <source>The run could not start a worker thread (%1); close other programs or ask for fewer threads.</source>
        <extracomment>%1 is the system&apos;s reason, in English.</extracomment>
        <translation>La ejecución no pudo iniciar un hilo de trabajo (%1); cierre otros programas o pida menos hilos.</translation>
    </message>
    <message>
        <source>The fecundity %1 = %2 must be a number of at least 0.</source>
        <extracomment>%1 is the rate&apos;s symbol &quot;f2&quot;, %2 its value.</extracomment>
        <translation>La fecundidad %1 = %2 debe ser un número de al menos 0.</translation>
    </message>
    <message>
        <source>The survival rate %1 = %2 must be from 0 to 1.</source>
        <extracomment>%1 is the rate&apos;s symbol &quot;s0&quot;, %2 its value.</extracomment>
        <translation>La tasa de supervivencia %1 = %2 debe estar entre 0 y 1.</translation>
    </message>
    <message>
        <source>N(t) must hold numbers of at least 0.</source>
        <translation>N(t) debe contener números de al menos 0.</translation>
    </message>
    <message>
        <source>H must hold numbers of at least 0.</source>
        <translation>H debe contener números de al menos 0.</translation>
    </message>
    <message>
        <source>A life cycle has from 1 to %1 stages.</source>
        <translation>Un ciclo de vida tiene de 1 a %1 estadios.</translation>
    </message>
    <message>
        <source>The survival of stage %1 (its column of U) sums to more than 1.</source>
        <extracomment>%1 is the name of a stage, as the user typed it.</extracomment>
        <translation>La supervivencia del estadio %1 (su columna de U) suma más de 1.</translation>
    </message>
    <message>
        <source>The life cycle must hold numbers of at least 0.</source>
        <translation>El ciclo de vida debe contener números de al menos 0.</translation>
    </message>
    <message>
        <source>Every matrix and vector of the life cycle must match its number of stages.</source>
        <translation>Cada matriz y cada vector del ciclo de vida deben coincidir con su número de estadios.</translation>
    </message>
    <message>
        <source>Every stage needs a name of its own.</source>
        <translation>Cada estadio necesita un nombre propio.</translation>
    </message>
    <message>
        <source>Risk of falling below %1 within 1 step: %2 % (95 % interval %3 - %4 %)</source>
        <extracomment>%1 is a number of animals, %2 the risk in %, %3 - %4 its 95 % interval.</extracomment>
        <translation>Riesgo de caer por debajo de %1 en 1 paso: %2 % (intervalo del 95 % %3 - %4 %)</translation>
    </message>
    <message>
        <source>Risk of falling below %1 within %2 steps: %3 % (95 % interval %4 - %5 %)</source>
        <extracomment>%1 is a number of animals, %2 a number of steps, %3 the risk in %, %4 - %5 its 95 % interval.</extracomment>
        <translation>Riesgo de caer por debajo de %1 en %2 pasos: %3 % (intervalo del 95 % %4 - %5 %)</translation>
    </message>
    <message>
        <source>Risk of dying out within 1 step: %1 % (95 % interval %2 - %3 %)</source>
        <extracomment>%1 is the risk in %, %2 - %3 its 95 % interval.</extracomment>
        <translation>Riesgo de extinción en 1 paso: %1 % (intervalo del 95 % %2 - %3 %)</translation>
    </message>
    <message>
        <source>Risk of dying out within %1 steps: %2 % (95 % interval %3 - %4 %)</source>
        <extracomment>%1 is a number of steps, %2 the risk in %, %3 - %4 its 95 % interval.</extracomment>
        <translation>Riesgo de extinción en %1 pasos: %2 % (intervalo del 95 % %3 - %4 %)</translation>
    </message>
    <message>
        <source>A survival CV of %1 is too large for %2: it varies with a CV of %3, the largest its beta distribution allows.</source>
        <extracomment>%1 is the CV asked for, %2 a survival rate &quot;s1 = 0.9&quot;, %3 the CV it takes.</extracomment>
        <translation>Un CV de la supervivencia de %1 es demasiado grande para %2: varía con un CV de %3, el mayor que permite su distribución beta.</translation>
    </message>
    <message>
        <source>A survival CV of %1 is too large for %2: they vary with CVs of %3, the largest their beta distributions allow.</source>
        <extracomment>%1 is the CV asked for, %2 lists survival rates &quot;s1 = 0.9 and s2 = 0.95&quot;, %3 the CVs they take.</extracomment>
        <translation>Un CV de la supervivencia de %1 es demasiado grande para %2: varían con CV de %3, los mayores que permiten sus distribuciones beta.</translation>
    </message>
    <message>
        <source>%1 = 1 is held fixed whatever the CV.</source>
        <extracomment>%1 is a survival rate &quot;s2&quot;.</extracomment>
        <translation>%1 = 1 se mantiene fija sea cual sea el CV.</translation>
    </message>
    <message>
        <source>%1 = 1 are held fixed whatever the CV.</source>
        <extracomment>%1 lists survival rates &quot;s1 and s2&quot;.</extracomment>
        <translation>%1 = 1 se mantienen fijas sea cual sea el CV.</translation>
    </message>
    <message>
        <source>The beta of %1 is U-shaped: years in which nearly none or nearly all survive are the likeliest.</source>
        <extracomment>%1 is a survival rate with its beta&apos;s shape: &quot;s0 (a = 0.5, b = 0.4)&quot;.</extracomment>
        <translation>La beta de %1 tiene forma de U: los años en que casi ninguno o casi todos sobreviven son los más probables.</translation>
    </message>
    <message>
        <source>The betas of %1 are U-shaped: years in which nearly none or nearly all survive are the likeliest.</source>
        <translation>Las betas de %1 tienen forma de U: los años en que casi ninguno o casi todos sobreviven son los más probables.</translation>
    </message>
</context>
<context>
    <name>AnalysisReport</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list: &quot;a, b and c&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>class %1</source>
        <extracomment>%1 is the number of an age class: &quot;class 2&quot;.</extracomment>
        <translation>clase %1</translation>
    </message>
    <message>
        <source>stage %1</source>
        <extracomment>%1 is the name of a stage of a life cycle: &quot;stage seeds&quot;.</extracomment>
        <translation>estadio %1</translation>
    </message>
    <message>
        <source>classes %1</source>
        <extracomment>%1 lists the numbers of age classes: &quot;classes 1 and 2&quot;.</extracomment>
        <translation>clases %1</translation>
    </message>
    <message>
        <source>stages %1</source>
        <extracomment>%1 lists the names of stages: &quot;stages seeds and rosettes&quot;.</extracomment>
        <translation>estadios %1</translation>
    </message>
    <message>
        <source>total</source>
        <extracomment>Column header: the sum of all stages.</extracomment>
        <translation>total</translation>
    </message>
    <message>
        <source>The eigenvalue computation did not converge for this matrix: no eigen-figures are given.</source>
        <translation>El cálculo de los valores propios no convergió para esta matriz: no se dan las cifras propias.</translation>
    </message>
    <message>
        <source>%1 has a negative entry, so it is not a population matrix: lambda and the figures that rest on it do not exist.</source>
        <extracomment>%1 is the letter of the projection matrix (M or A).</extracomment>
        <translation>%1 tiene una entrada negativa, así que no es una matriz de población: lambda y las cifras que dependen de ella no existen.</translation>
    </message>
    <message>
        <source>No stage ever leads back to births: every population is gone within %1 steps.</source>
        <translation>Ningún estadio lleva de vuelta a nacimientos: toda población desaparece en %1 pasos.</translation>
    </message>
    <message>
        <source>No class ever leads back to births: every population is gone within four steps.</source>
        <translation>Ninguna clase lleva de vuelta a nacimientos: toda población desaparece en cuatro pasos.</translation>
    </message>
    <message>
        <source>lambda and the other eigenvalues were found, but the eigenvector step failed for this matrix: the stable distribution, the reproductive values and what rests on them are not given.</source>
        <translation>Se hallaron lambda y los demás valores propios, pero el cálculo del vector propio falló para esta matriz: no se dan la distribución estable, los valores reproductivos ni lo que depende de ellos.</translation>
    </message>
    <message>
        <source>lambda = 1 to within rounding: without harvest the population neither grows nor declines in the long run.</source>
        <translation>lambda = 1 salvo redondeo: sin cosecha la población ni crece ni decrece a largo plazo.</translation>
    </message>
    <message>
        <source>%1 is reducible, so the stable distribution is not reached from every start.</source>
        <translation>%1 es reducible, así que la distribución estable no se alcanza desde cualquier inicio.</translation>
    </message>
    <message>
        <source>Members of %1 never lead to new births: a population of these alone dies out.</source>
        <extracomment>%1 names classes or stages: &quot;classes 2 and 3&quot;.</extracomment>
        <translation>Los miembros de %1 nunca llevan a nuevos nacimientos: una población formada solo por ellos se extingue.</translation>
    </message>
    <message>
        <source>The offspring of %1 never reach %2.</source>
        <translation>Las crías de %1 nunca llegan a %2.</translation>
    </message>
    <message>
        <source>%1 is imprimitive (period %2): N(t) keeps oscillating with this period instead of settling into the stable distribution.</source>
        <translation>%1 es imprimitiva (periodo %2): N(t) sigue oscilando con este periodo en vez de estabilizarse en la distribución estable.</translation>
    </message>
    <message>
        <source>%1 is primitive (some power of %1 has no zero cell): from every start N(t) approaches the stable distribution.</source>
        <translation>%1 es primitiva (alguna potencia de %1 no tiene celdas nulas): desde cualquier inicio N(t) se acerca a la distribución estable.</translation>
    </message>
    <message>
        <source>Another eigenvalue is as large as lambda in modulus: N(t) need not settle into the stable distribution.</source>
        <translation>Otro valor propio tiene el mismo módulo que lambda: N(t) puede no estabilizarse en la distribución estable.</translation>
    </message>
    <message>
        <source>The dominant eigenvalue is repeated: the long-run distribution depends on the start.</source>
        <translation>El valor propio dominante es múltiple: la distribución a largo plazo depende del inicio.</translation>
    </message>
    <message>
        <source>A is ergodic: every stage has a reproductive value above 0, so every start ends in the same stable distribution.</source>
        <translation>A es ergódica: cada estadio tiene un valor reproductivo mayor que 0, así que todo inicio acaba en la misma distribución estable.</translation>
    </message>
    <message>
        <source>A is not ergodic: %1 never lead to reproduction, so their reproductive value is 0.</source>
        <translation>A no es ergódica: %1 nunca llevan a la reproducción, así que su valor reproductivo es 0.</translation>
    </message>
    <message>
        <source>A is not ergodic: some stage has a reproductive value of 0.</source>
        <translation>A no es ergódica: algún estadio tiene un valor reproductivo de 0.</translation>
    </message>
    <message>
        <source>%1 animal</source>
        <translation>%1 animal</translation>
    </message>
    <message>
        <source>%1 animals</source>
        <extracomment>%1 is a number of animals other than 1: &quot;0.5 animals&quot;, &quot;2 animals&quot;.</extracomment>
        <translation>%1 animales</translation>
    </message>
    <message>
        <source>at %1 or more</source>
        <extracomment>What N(t) keeps, after &quot;N(t) stays&quot;: %1 is &quot;1 animal&quot; or &quot;2.5 animals&quot;.</extracomment>
        <translation>en %1 o más</translation>
    </message>
    <message>
        <source>above 0</source>
        <extracomment>What N(t) keeps, after &quot;N(t) stays&quot;.</extracomment>
        <translation>por encima de 0</translation>
    </message>
    <message>
        <source>none: with lambda = 1 no constant harvest is sustainable for ever.</source>
        <translation>ninguno: con lambda = 1 ninguna cosecha constante es sostenible para siempre.</translation>
    </message>
    <message>
        <source>none: with lambda below 1 no constant harvest is sustainable for ever.</source>
        <translation>ninguno: con lambda menor que 1 ninguna cosecha constante es sostenible para siempre.</translation>
    </message>
    <message>
        <source>N(t) already totals less than %1: the population counts as gone.</source>
        <translation>N(t) ya suma menos de %1: la población se da por desaparecida.</translation>
    </message>
    <message>
        <source>falls below %1 at %2 (step %3 from now): the population counts as gone.</source>
        <extracomment>Said of N(t): %1 is &quot;1 animal&quot;, %2 a time &quot;t = 7&quot;, %3 a number of steps.</extracomment>
        <translation>cae por debajo de %1 en %2 (paso %3 desde ahora): la población se da por desaparecida.</translation>
    </message>
    <message>
        <source>grows without bound: beyond the range of numbers at %1 (step %2).</source>
        <extracomment>Said of N(t): %1 is a time &quot;t = 7&quot;, %2 a number of steps.</extracomment>
        <translation>crece sin límite: fuera del rango de los números en %1 (paso %2).</translation>
    </message>
    <message>
        <source>grows without bound: total %1 at %2 and still growing.</source>
        <extracomment>Said of N(t): %1 is its total, %2 a time &quot;t = 1000&quot;.</extracomment>
        <translation>crece sin límite: total %1 en %2 y sigue creciendo.</translation>
    </message>
    <message>
        <source>settles at %1, total %2.</source>
        <extracomment>Said of N(t): %1 is the vector it settles at, %2 its total.</extracomment>
        <translation>se estabiliza en %1, total %2.</translation>
    </message>
    <message>
        <source>reaches 0: the projection to %1 (step %2 from now) is rejected.</source>
        <extracomment>Said of N(t): %1 is a time &quot;t = 7&quot;, %2 a number of steps.</extracomment>
        <translation>llega a 0: la proyección a %1 (paso %2 desde ahora) se rechaza.</translation>
    </message>
    <message>
        <source>N(t) is already 0: the next projection ends the simulation.</source>
        <translation>N(t) ya es 0: la próxima proyección termina la simulación.</translation>
    </message>
    <message>
        <source>declines towards 0 without reaching it within %1 steps (total %2 at %3).</source>
        <extracomment>Said of N(t): %1 is a number of steps, %2 its total, %3 a time &quot;t = 1000&quot;.</extracomment>
        <translation>decrece hacia 0 sin alcanzarlo en %1 pasos (total %2 en %3).</translation>
    </message>
    <message>
        <source>neither grows, settles nor reaches 0 within %1 steps.</source>
        <extracomment>Said of N(t): %1 is a number of steps.</extracomment>
        <translation>ni crece, ni se estabiliza, ni llega a 0 en %1 pasos.</translation>
    </message>
    <message>
        <source>Harvest equilibrium N* = (%1 - I)^-1 H</source>
        <translation>Equilibrio con cosecha N* = (%1 - I)^-1 H</translation>
    </message>
    <message>
        <source>%1 - I is singular (%1 has the eigenvalue 1): there is no single harvest equilibrium.</source>
        <translation>%1 - I es singular (%1 tiene el valor propio 1): no hay un único equilibrio con cosecha.</translation>
    </message>
    <message>
        <source>N* = %1 has a negative class: no population stays unchanged under this harvest.</source>
        <translation>N* = %1 tiene una clase negativa: ninguna población permanece igual con esta cosecha.</translation>
    </message>
    <message>
        <source>N* = %1 has a negative stage: no population stays unchanged under this harvest.</source>
        <translation>N* = %1 tiene un estadio negativo: ninguna población permanece igual con esta cosecha.</translation>
    </message>
    <message>
        <source>Without harvest the only equilibrium is the empty population.</source>
        <translation>Sin cosecha el único equilibrio es la población vacía.</translation>
    </message>
    <message>
        <source>Unstable, and not by its total: a population whose reproductive value v.N lies above v.N* grows, one below it dies out, whatever its total.</source>
        <translation>Inestable, y no por su total: una población cuyo valor reproductivo v.N está por encima de v.N* crece, una por debajo se extingue, sea cual sea su total.</translation>
    </message>
    <message>
        <source>v.N(t) = %1 lies above v.N*: v.N(t+1) = lambda v.N(t) - v.H grows every step, so N(t) grows for ever under H.</source>
        <translation>v.N(t) = %1 está por encima de v.N*: v.N(t+1) = lambda v.N(t) - v.H crece en cada paso, así que N(t) crece para siempre con H.</translation>
    </message>
    <message>
        <source>lambda = 1 and H takes nothing of v.N(t): it stays at %1.</source>
        <translation>lambda = 1 y H no quita nada de v.N(t): se queda en %1.</translation>
    </message>
    <message>
        <source>v.N(t) = %1 equals v.N*: it stays there, a knife edge that the least change tips.</source>
        <translation>v.N(t) = %1 es igual a v.N*: se queda ahí, en un filo que el menor cambio inclina.</translation>
    </message>
    <message>
        <source>v.N(t) = 0: N(t) holds no animal that will still breed, so it dies out.</source>
        <translation>v.N(t) = 0: N(t) no tiene ningún animal que vaya a reproducirse, así que se extingue.</translation>
    </message>
    <message>
        <source>lambda is below 1: v.N(t) falls even without harvest, and N(t) with it. No constant harvest is sustainable for ever.</source>
        <translation>lambda es menor que 1: v.N(t) cae incluso sin cosecha, y N(t) con él. Ninguna cosecha constante es sostenible para siempre.</translation>
    </message>
    <message>
        <source>lambda = 1: v.N(t) falls by v.H = %1 every step, so any constant harvest empties the population in the end, after about v.N(t) / v.H = %2 steps.</source>
        <translation>lambda = 1: v.N(t) cae v.H = %1 en cada paso, así que cualquier cosecha constante acaba vaciando la población, tras unos v.N(t) / v.H = %2 pasos.</translation>
    </message>
    <message>
        <source>v.N(t) = %1 lies below v.N*: v.N(t) falls faster every step, so N(t) falls to 0 under H.</source>
        <translation>v.N(t) = %1 está por debajo de v.N*: v.N(t) cae cada vez más rápido, así que N(t) cae a 0 con H.</translation>
    </message>
    <message>
        <source>The rule said otherwise, but in step %1 H takes more than a class holds: from then on the harvest takes less than H and the rule no longer holds.</source>
        <translation>La regla decía otra cosa, pero en el paso %1 H quita más de lo que tiene una clase: desde entonces la cosecha quita menos que H y la regla ya no vale.</translation>
    </message>
    <message>
        <source>The rule said otherwise, but in step %1 H takes more than a stage holds: from then on the harvest takes less than H and the rule no longer holds.</source>
        <translation>La regla decía otra cosa, pero en el paso %1 H quita más de lo que tiene un estadio: desde entonces la cosecha quita menos que H y la regla ya no vale.</translation>
    </message>
    <message>
        <source>The rule says it is lost, only later than the %1 steps the projection runs.</source>
        <translation>Según la regla está perdida, solo que más tarde que los %1 pasos que dura la proyección.</translation>
    </message>
    <message>
        <source>The rule said it grows, but on the way N(t) dips below %1.</source>
        <translation>Según la regla crece, pero por el camino N(t) baja de %1.</translation>
    </message>
    <message>
        <source>H is 0: s* x %1 = %2 is the most that N(t) yields for ever, as long as no class runs short of it, so that every step&apos;s harvest is taken in full.</source>
        <extracomment>%1 is the unit harvest (1, 0, 0, 0), %2 the largest harvest in its direction.</extracomment>
        <translation>H es 0: s* x %1 = %2 es lo máximo que N(t) rinde para siempre, mientras a ninguna clase le falte, de modo que la cosecha de cada paso se toma entera.</translation>
    </message>
    <message>
        <source>H is 0: s* x %1 = %2 is the most that N(t) yields for ever, as long as no stage runs short of it, so that every step&apos;s harvest is taken in full.</source>
        <translation>H es 0: s* x %1 = %2 es lo máximo que N(t) rinde para siempre, mientras a ningún estadio le falte, de modo que la cosecha de cada paso se toma entera.</translation>
    </message>
    <message>
        <source>s* x H = %1 is the most that N(t) yields for ever, as long as no class runs short of it, so that every step&apos;s harvest is taken in full.</source>
        <translation>s* x H = %1 es lo máximo que N(t) rinde para siempre, mientras a ninguna clase le falte, de modo que la cosecha de cada paso se toma entera.</translation>
    </message>
    <message>
        <source>s* x H = %1 is the most that N(t) yields for ever, as long as no stage runs short of it, so that every step&apos;s harvest is taken in full.</source>
        <translation>s* x H = %1 es lo máximo que N(t) rinde para siempre, mientras a ningún estadio le falte, de modo que la cosecha de cada paso se toma entera.</translation>
    </message>
    <message>
        <source>Largest factor s* = (lambda - 1) v.N(t) / %1</source>
        <translation>Mayor factor s* = (lambda - 1) v.N(t) / %1</translation>
    </message>
    <message>
        <source>no limit: %1 takes only from classes of reproductive value 0.</source>
        <translation>sin límite: %1 solo quita de clases con valor reproductivo 0.</translation>
    </message>
    <message>
        <source>no limit: %1 takes only from stages of reproductive value 0.</source>
        <translation>sin límite: %1 solo quita de estadios con valor reproductivo 0.</translation>
    </message>
    <message>
        <source>not searched for in a life cycle of more than %1 stages: each search projects every stage 1000 steps some twenty times. The rule&apos;s figure above stands alone.</source>
        <translation>no se busca en un ciclo de vida de más de %1 estadios: cada búsqueda proyecta cada estadio 1000 pasos unas veinte veces. La cifra de la regla de arriba queda sola.</translation>
    </message>
    <message>
        <source>It lies above s*, because a class is emptied on the way (in step %1): from then on the harvest takes less than s x H, and the rule no longer holds.</source>
        <translation>Está por encima de s*, porque una clase se vacía por el camino (en el paso %1): desde entonces la cosecha quita menos que s x H, y la regla ya no vale.</translation>
    </message>
    <message>
        <source>It lies above s*, because a stage is emptied on the way (in step %1): from then on the harvest takes less than s x H, and the rule no longer holds.</source>
        <translation>Está por encima de s*, porque un estadio se vacía por el camino (en el paso %1): desde entonces la cosecha quita menos que s x H, y la regla ya no vale.</translation>
    </message>
    <message>
        <source>It lies above s*, because a class is emptied on the way: from then on the harvest takes less than s x H, and the rule no longer holds.</source>
        <translation>Está por encima de s*, porque una clase se vacía por el camino: desde entonces la cosecha quita menos que s x H, y la regla ya no vale.</translation>
    </message>
    <message>
        <source>It lies above s*, because a stage is emptied on the way: from then on the harvest takes less than s x H, and the rule no longer holds.</source>
        <translation>Está por encima de s*, porque un estadio se vacía por el camino: desde entonces la cosecha quita menos que s x H, y la regla ya no vale.</translation>
    </message>
    <message>
        <source>Largest factor s, by the projection</source>
        <translation>Mayor factor s, según la proyección</translation>
    </message>
    <message>
        <source>none: even without harvest N(t) falls below %1 within %2 steps.</source>
        <translation>ninguno: incluso sin cosecha N(t) cae por debajo de %1 en %2 pasos.</translation>
    </message>
    <message>
        <source>none: the population does not last %1 steps even without harvest.</source>
        <translation>ninguno: la población no dura %1 pasos ni siquiera sin cosecha.</translation>
    </message>
    <message>
        <source>any s: however large s is, %1 leaves N(t) %2 for %3 steps, because a harvest takes at most what is there and the rest of N(t) lives on.</source>
        <extracomment>%1 is the harvest &quot;s x H&quot;, %2 &quot;at 1 animal or more&quot; or &quot;above 0&quot;, %3 a number.</extracomment>
        <translation>cualquier s: por grande que sea s, %1 deja N(t) %2 durante %3 pasos, porque una cosecha quita como mucho lo que hay y el resto de N(t) sigue vivo.</translation>
    </message>
    <message>
        <source>N(t) stays %1 for %2 steps up to s = %3 (%4 = %5); 1.001 times as much does not.</source>
        <extracomment>%1 is &quot;at 1 animal or more&quot; or &quot;above 0&quot;, %2 a number of steps, %3 the factor s, %4 the harvest &quot;s x H&quot;, %5 that harvest as a vector.</extracomment>
        <translation>N(t) se mantiene %1 durante %2 pasos hasta s = %3 (%4 = %5); 1.001 veces más, no.</translation>
    </message>
    <message>
        <source>It holds for these steps only: no constant harvest is sustainable for ever.</source>
        <translation>Vale solo para estos pasos: ninguna cosecha constante es sostenible para siempre.</translation>
    </message>
    <message>
        <source>The rule&apos;s s* agrees.</source>
        <translation>El s* de la regla coincide.</translation>
    </message>
    <message>
        <source>It lies above s*: there v.N(t) falls, but N(t) stays %1 for all %2 steps of the projection and is lost only later.</source>
        <translation>Está por encima de s*: ahí v.N(t) cae, pero N(t) se mantiene %1 durante los %2 pasos de la proyección y se pierde solo más tarde.</translation>
    </message>
    <message>
        <source>It lies below s*: there v.N(t) still grows, but N(t) dips below %1 on the way.</source>
        <translation>Está por debajo de s*: ahí v.N(t) aún crece, pero N(t) baja de %1 por el camino.</translation>
    </message>
    <message>
        <source>all of it</source>
        <extracomment>A cell of a table: every animal of the class may be taken.</extracomment>
        <translation>todo</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A cell of a table: no harvest at all is possible.</extracomment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>All of it for %1: no number taken from them is too large, because a harvest takes at most what is there; emptied every step, the rest of N(t) still lives on.</source>
        <translation>Todo de %1: ningún número quitado de ellas es demasiado grande, porque una cosecha quita como mucho lo que hay; aunque se vacíen en cada paso, el resto de N(t) sigue vivo.</translation>
    </message>
    <message>
        <source>All of it for %1: no number taken from it is too large, because a harvest takes at most what is there; emptied every step, the rest of N(t) still lives on.</source>
        <translation>Todo de %1: ningún número quitado de ahí es demasiado grande, porque una cosecha quita como mucho lo que hay; aunque se vacíe en cada paso, el resto de N(t) sigue vivo.</translation>
    </message>
    <message>
        <source>Above h_i for %1: there the harvest empties the class on the way and takes less than asked.</source>
        <translation>Por encima de h_i en %1: ahí la cosecha vacía la clase por el camino y quita menos de lo pedido.</translation>
    </message>
    <message>
        <source>Above h_i for %1: there the harvest empties the stage on the way and takes less than asked.</source>
        <translation>Por encima de h_i en %1: ahí la cosecha vacía el estadio por el camino y quita menos de lo pedido.</translation>
    </message>
    <message>
        <source>Above h_i for %1: N(t) stays %2 for the %3 steps, and is lost only later.</source>
        <translation>Por encima de h_i en %1: N(t) se mantiene %2 durante los %3 pasos, y se pierde solo más tarde.</translation>
    </message>
    <message>
        <source>%1, the fecundity of class %2</source>
        <extracomment>%1 is the rate&apos;s symbol &quot;f2&quot;, %2 the number of its class.</extracomment>
        <translation>%1, la fecundidad de la clase %2</translation>
    </message>
    <message>
        <source>%1, the survival from class %2 to %3</source>
        <extracomment>%1 is the rate&apos;s symbol &quot;s0&quot;, %2 and %3 the numbers of the classes.</extracomment>
        <translation>%1, la supervivencia de la clase %2 a la %3</translation>
    </message>
    <message>
        <source>lambda answers most to the cell staying in %1 (a = %2): an elasticity of %3 means that a change of 1 % in it changes lambda by %3 %.</source>
        <extracomment>%1 is &quot;stage seeds&quot;, %2 the cell&apos;s value, %3 its elasticity.</extracomment>
        <translation>lambda responde más a la celda de permanencia en %1 (a = %2): una elasticidad de %3 significa que un cambio del 1 % en ella cambia lambda un %3 %.</translation>
    </message>
    <message>
        <source>lambda answers most to the cell of %1 into itself (staying and offspring) (a = %2): an elasticity of %3 means that a change of 1 % in it changes lambda by %3 %.</source>
        <translation>lambda responde más a la celda de %1 a sí mismo (permanencia y crías) (a = %2): una elasticidad de %3 significa que un cambio del 1 % en ella cambia lambda un %3 %.</translation>
    </message>
    <message>
        <source>lambda answers most to the cell from %1 to %2 (a = %3): an elasticity of %4 means that a change of 1 % in it changes lambda by %4 %.</source>
        <extracomment>%1 and %2 are stages &quot;stage seeds&quot;, %3 the cell&apos;s value, %4 its elasticity.</extracomment>
        <translation>lambda responde más a la celda de %1 a %2 (a = %3): una elasticidad de %4 significa que un cambio del 1 % en ella cambia lambda un %4 %.</translation>
    </message>
    <message>
        <source>M is imprimitive (period %1): lambda still answers so, though N(t) keeps oscillating.</source>
        <translation>M es imprimitiva (periodo %1): lambda responde así de todos modos, aunque N(t) sigue oscilando.</translation>
    </message>
    <message>
        <source>A is imprimitive (period %1): lambda still answers so, though N(t) keeps oscillating.</source>
        <translation>A es imprimitiva (periodo %1): lambda responde así de todos modos, aunque N(t) sigue oscilando.</translation>
    </message>
    <message>
        <source>value</source>
        <extracomment>Column headers of a vital rate&apos;s row: keep them short.</extracomment>
        <translation>valor</translation>
    </message>
    <message>
        <source>sensitivity</source>
        <translation>sensibilidad</translation>
    </message>
    <message>
        <source>elasticity</source>
        <translation>elasticidad</translation>
    </message>
    <message>
        <source>lambda answers most to %1: an elasticity of %2 means that a change of 1 % in one of them changes lambda by %2 %.</source>
        <extracomment>%1 lists vital rates &quot;f1, the fecundity of class 1 and s0, ...&quot;, %2 a number.</extracomment>
        <translation>lambda responde más a %1: una elasticidad de %2 significa que un cambio del 1 % en una de ellas cambia lambda un %2 %.</translation>
    </message>
    <message>
        <source>lambda answers most to %1: an elasticity of %2 means that a change of 1 % in it changes lambda by %2 %.</source>
        <extracomment>%1 is a vital rate &quot;f1, the fecundity of class 1&quot;, %2 a number.</extracomment>
        <translation>lambda responde más a %1: una elasticidad de %2 significa que un cambio del 1 % en ella cambia lambda un %2 %.</translation>
    </message>
    <message>
        <source>Which rate matters most</source>
        <translation>Qué tasa importa más</translation>
    </message>
    <message>
        <source>Vital rates f_i and s_i</source>
        <translation>Tasas vitales f_i y s_i</translation>
    </message>
    <message>
        <source>not defined for a life cycle of stages: a stage may stay, grow, shrink and breed at once, so the cells of A and their sums by kind below stand in their place.</source>
        <translation>no definidas para un ciclo de vida de estadios: un estadio puede permanecer, crecer, encogerse y reproducirse a la vez, así que las celdas de A y sus sumas por tipo, abajo, ocupan su lugar.</translation>
    </message>
    <message>
        <source>Elasticities summed by kind</source>
        <translation>Elasticidades sumadas por tipo</translation>
    </message>
    <message>
        <source>Stasis is U&apos;s diagonal, growth U below it, retrogression U above it, reproduction F and clonality C; the five sum to 1.</source>
        <translation>La estasis es la diagonal de U, el crecimiento U por debajo, la retrogresión U por encima, la reproducción F y la clonalidad C; las cinco suman 1.</translation>
    </message>
    <message>
        <source>stasis</source>
        <extracomment>Column headers: the kinds of transition of a life cycle; keep them short.</extracomment>
        <translation>estasis</translation>
    </message>
    <message>
        <source>growth</source>
        <translation>crecimiento</translation>
    </message>
    <message>
        <source>retrogression</source>
        <translation>retrogresión</translation>
    </message>
    <message>
        <source>reproduction</source>
        <translation>reproducción</translation>
    </message>
    <message>
        <source>clonal</source>
        <translation>clonal</translation>
    </message>
    <message>
        <source>Which transition matters most</source>
        <translation>Qué transición importa más</translation>
    </message>
    <message>
        <source>Sensitivities d lambda / d a_ij</source>
        <translation>Sensibilidades d lambda / d a_ij</translation>
    </message>
    <message>
        <source>Elasticities (a_ij / lambda) d lambda / d a_ij</source>
        <translation>Elasticidades (a_ij / lambda) d lambda / d a_ij</translation>
    </message>
    <message>
        <source>not defined: the dominant eigenvalue is repeated, so lambda has no single slope in each cell.</source>
        <translation>no definidas: el valor propio dominante es múltiple, así que lambda no tiene una única pendiente en cada celda.</translation>
    </message>
    <message>
        <source>Every cell of %1, its zeros too: how much lambda gains per unit added to a cell, a new transition included.</source>
        <translation>Cada celda de %1, también sus ceros: cuánto gana lambda por unidad añadida a una celda, incluida una transición nueva.</translation>
    </message>
    <message>
        <source>The share of lambda each cell carries; they sum to 1.</source>
        <translation>La parte de lambda que lleva cada celda; suman 1.</translation>
    </message>
    <message>
        <source>with this age structure the population grows faster in the first step than in the long run.</source>
        <translation>con esta estructura de edades la población crece más rápido en el primer paso que a largo plazo.</translation>
    </message>
    <message>
        <source>with this age structure the population grows more slowly in the first step than in the long run.</source>
        <translation>con esta estructura de edades la población crece más despacio en el primer paso que a largo plazo.</translation>
    </message>
    <message>
        <source>with this age structure the population declines more slowly in the first step than in the long run.</source>
        <translation>con esta estructura de edades la población decrece más despacio en el primer paso que a largo plazo.</translation>
    </message>
    <message>
        <source>with this age structure the population declines faster in the first step than in the long run.</source>
        <translation>con esta estructura de edades la población decrece más rápido en el primer paso que a largo plazo.</translation>
    </message>
    <message>
        <source>with this age structure the population grows in the first step, though in the long run it declines.</source>
        <translation>con esta estructura de edades la población crece en el primer paso, aunque a largo plazo decrece.</translation>
    </message>
    <message>
        <source>with this age structure the population grows in the first step, though in the long run it neither grows nor declines.</source>
        <translation>con esta estructura de edades la población crece en el primer paso, aunque a largo plazo ni crece ni decrece.</translation>
    </message>
    <message>
        <source>with this age structure the population declines in the first step, though in the long run it grows.</source>
        <translation>con esta estructura de edades la población decrece en el primer paso, aunque a largo plazo crece.</translation>
    </message>
    <message>
        <source>with this age structure the population declines in the first step, though in the long run it neither grows nor declines.</source>
        <translation>con esta estructura de edades la población decrece en el primer paso, aunque a largo plazo ni crece ni decrece.</translation>
    </message>
    <message>
        <source>with this age structure the population keeps its total in the first step, though in the long run it grows.</source>
        <translation>con esta estructura de edades la población mantiene su total en el primer paso, aunque a largo plazo crece.</translation>
    </message>
    <message>
        <source>with this age structure the population keeps its total in the first step, though in the long run it declines.</source>
        <translation>con esta estructura de edades la población mantiene su total en el primer paso, aunque a largo plazo decrece.</translation>
    </message>
    <message>
        <source>with this stage structure the population grows faster in the first step than in the long run.</source>
        <translation>con esta estructura de estadios la población crece más rápido en el primer paso que a largo plazo.</translation>
    </message>
    <message>
        <source>with this stage structure the population grows more slowly in the first step than in the long run.</source>
        <translation>con esta estructura de estadios la población crece más despacio en el primer paso que a largo plazo.</translation>
    </message>
    <message>
        <source>with this stage structure the population declines more slowly in the first step than in the long run.</source>
        <translation>con esta estructura de estadios la población decrece más despacio en el primer paso que a largo plazo.</translation>
    </message>
    <message>
        <source>with this stage structure the population declines faster in the first step than in the long run.</source>
        <translation>con esta estructura de estadios la población decrece más rápido en el primer paso que a largo plazo.</translation>
    </message>
    <message>
        <source>with this stage structure the population grows in the first step, though in the long run it declines.</source>
        <translation>con esta estructura de estadios la población crece en el primer paso, aunque a largo plazo decrece.</translation>
    </message>
    <message>
        <source>with this stage structure the population grows in the first step, though in the long run it neither grows nor declines.</source>
        <translation>con esta estructura de estadios la población crece en el primer paso, aunque a largo plazo ni crece ni decrece.</translation>
    </message>
    <message>
        <source>with this stage structure the population declines in the first step, though in the long run it grows.</source>
        <translation>con esta estructura de estadios la población decrece en el primer paso, aunque a largo plazo crece.</translation>
    </message>
    <message>
        <source>with this stage structure the population declines in the first step, though in the long run it neither grows nor declines.</source>
        <translation>con esta estructura de estadios la población decrece en el primer paso, aunque a largo plazo ni crece ni decrece.</translation>
    </message>
    <message>
        <source>with this stage structure the population keeps its total in the first step, though in the long run it grows.</source>
        <translation>con esta estructura de estadios la población mantiene su total en el primer paso, aunque a largo plazo crece.</translation>
    </message>
    <message>
        <source>with this stage structure the population keeps its total in the first step, though in the long run it declines.</source>
        <translation>con esta estructura de estadios la población mantiene su total en el primer paso, aunque a largo plazo decrece.</translation>
    </message>
    <message>
        <source>as in the long run.</source>
        <translation>como a largo plazo.</translation>
    </message>
    <message>
        <source>From then on the age distribution stays within 1 % (half the sum of the differences of the shares) of the stable one.</source>
        <translation>Desde entonces la distribución de edades se mantiene a menos del 1 % (la mitad de la suma de las diferencias de las proporciones) de la estable.</translation>
    </message>
    <message>
        <source>From then on the stage distribution stays within 1 % (half the sum of the differences of the shares) of the stable one.</source>
        <translation>Desde entonces la distribución de estadios se mantiene a menos del 1 % (la mitad de la suma de las diferencias de las proporciones) de la estable.</translation>
    </message>
    <message>
        <source>none: without harvest N(t) dies out.</source>
        <translation>ninguno: sin cosecha N(t) se extingue.</translation>
    </message>
    <message>
        <source>never: %1 is imprimitive, so the age distribution keeps cycling.</source>
        <translation>nunca: %1 es imprimitiva, así que la distribución de edades sigue en ciclo.</translation>
    </message>
    <message>
        <source>never: %1 is imprimitive, so the stage distribution keeps cycling.</source>
        <translation>nunca: %1 es imprimitiva, así que la distribución de estadios sigue en ciclo.</translation>
    </message>
    <message>
        <source>not within %1 steps: the age distribution does not come within 1 % (half the sum of the differences of the shares) of the stable one.</source>
        <translation>no en %1 pasos: la distribución de edades no llega a menos del 1 % (la mitad de la suma de las diferencias de las proporciones) de la estable.</translation>
    </message>
    <message>
        <source>not within %1 steps: the stage distribution does not come within 1 % (half the sum of the differences of the shares) of the stable one.</source>
        <translation>no en %1 pasos: la distribución de estadios no llega a menos del 1 % (la mitad de la suma de las diferencias de las proporciones) de la estable.</translation>
    </message>
    <message>
        <source>none: N(t) is empty.</source>
        <translation>ninguno: N(t) está vacío.</translation>
    </message>
    <message>
        <source>First-step amplification of N(t), ||%1 n||/lambda</source>
        <translation>Amplificación de N(t) en el primer paso, ||%1 n||/lambda</translation>
    </message>
    <message>
        <source>Steps until the stable distribution, to 1 %</source>
        <translation>Pasos hasta la distribución estable, al 1 %</translation>
    </message>
    <message>
        <source>In the first step the total of N(t) is multiplied by %1, %2 times lambda: %3</source>
        <extracomment>%1 and %2 are numbers; %3 is a sentence of its own, &quot;with this age structure ...&quot;.</extracomment>
        <translation>En el primer paso el total de N(t) se multiplica por %1, %2 veces lambda: %3</translation>
    </message>
    <message>
        <source>Inertia (v.n / v.w) ||w||, n = N(t) / ||N(t)||</source>
        <translation>Inercia (v.n / v.w) ||w||, n = N(t) / ||N(t)||</translation>
    </message>
    <message>
        <source>In the long run N(t) grows as one of the same total started in the stable distribution, times this factor.</source>
        <translation>A largo plazo N(t) crece como una población del mismo total que empezó en la distribución estable, por este factor.</translation>
    </message>
    <message>
        <source>Cost of an animal of class i, v_i</source>
        <translation>Coste de un animal de la clase i, v_i</translation>
    </message>
    <message>
        <source>Cost of an animal of stage i, v_i</source>
        <translation>Coste de un animal del estadio i, v_i</translation>
    </message>
    <message>
        <source>Harvest of class i alone for ever, h_i</source>
        <translation>Cosecha solo de la clase i para siempre, h_i</translation>
    </message>
    <message>
        <source>Harvest of stage i alone for ever, h_i</source>
        <translation>Cosecha solo del estadio i para siempre, h_i</translation>
    </message>
    <message>
        <source>h_i by the projection, %1 steps</source>
        <translation>h_i según la proyección, %1 pasos</translation>
    </message>
    <message>
        <source>h_i = (lambda - 1) v.N(t) / v_i: the most of class i alone that N(t) yields for ever, as long as class i never runs short of it.</source>
        <translation>h_i = (lambda - 1) v.N(t) / v_i: lo máximo solo de la clase i que N(t) rinde para siempre, mientras a la clase i nunca le falte.</translation>
    </message>
    <message>
        <source>h_i = (lambda - 1) v.N(t) / v_i: the most of stage i alone that N(t) yields for ever, as long as stage i never runs short of it.</source>
        <translation>h_i = (lambda - 1) v.N(t) / v_i: lo máximo solo del estadio i que N(t) rinde para siempre, mientras al estadio i nunca le falte.</translation>
    </message>
    <message>
        <source>Taking one animal of %1 costs the most: %2 newborns&apos; worth of future population; one of %3 costs the least, %4.</source>
        <extracomment>%1 and %3 are &quot;class 2&quot; or &quot;stage seeds&quot;, %2 and %4 their reproductive values.</extracomment>
        <translation>Quitar un animal de %1 es lo que más cuesta: %2 recién nacidos de valor en población futura; uno de %3 es lo que menos cuesta, %4.</translation>
    </message>
    <message>
        <source>Rate of every class, 1 - 1/lambda</source>
        <translation>Tasa de cada clase, 1 - 1/lambda</translation>
    </message>
    <message>
        <source>Rate of every stage, 1 - 1/lambda</source>
        <translation>Tasa de cada estadio, 1 - 1/lambda</translation>
    </message>
    <message>
        <source>Rate of class i alone</source>
        <translation>Tasa solo de la clase i</translation>
    </message>
    <message>
        <source>Rate of stage i alone</source>
        <translation>Tasa solo del estadio i</translation>
    </message>
    <message>
        <source>none: lambda is below 1 before any harvest.</source>
        <translation>ninguna: lambda es menor que 1 antes de cualquier cosecha.</translation>
    </message>
    <message>
        <source>Taking the same fraction h of every class each step multiplies lambda by (1 - h), whatever N(t) is: at this rate lambda falls to 1.</source>
        <translation>Quitar la misma fracción h de cada clase en cada paso multiplica lambda por (1 - h), sea cual sea N(t): con esta tasa lambda baja a 1.</translation>
    </message>
    <message>
        <source>Taking the same fraction h of every stage each step multiplies lambda by (1 - h), whatever N(t) is: at this rate lambda falls to 1.</source>
        <translation>Quitar la misma fracción h de cada estadio en cada paso multiplica lambda por (1 - h), sea cual sea N(t): con esta tasa lambda baja a 1.</translation>
    </message>
    <message>
        <source>1: taking all of that class every step still leaves lambda at or above 1.</source>
        <translation>1: aunque se quite toda esa clase en cada paso, lambda sigue en 1 o más.</translation>
    </message>
    <message>
        <source>1: taking all of that stage every step still leaves lambda at or above 1.</source>
        <translation>1: aunque se quite todo ese estadio en cada paso, lambda sigue en 1 o más.</translation>
    </message>
    <message>
        <source>A fixed quota is unstable: N(t) must keep v.N(t) above v.N*, and a population pushed below it is lost however long it lasted. A fixed rate is not: it changes lambda whatever N(t) is, so a rate below the one for every class taken from all of them, or a rate below its own figure taken from one class alone, keeps any population growing in the long run, from any start. Rates taken from several classes at once need smaller ones.</source>
        <translation>Una cuota fija es inestable: N(t) debe mantener v.N(t) por encima de v.N*, y una población empujada por debajo se pierde por mucho que haya durado. Una tasa fija no: cambia lambda sea cual sea N(t), así que una tasa menor que la de cada clase quitada de todas, o una tasa menor que su propia cifra quitada de una sola clase, mantiene creciendo a largo plazo cualquier población, desde cualquier inicio. Las tasas quitadas de varias clases a la vez deben ser menores.</translation>
    </message>
    <message>
        <source>A fixed quota is unstable: N(t) must keep v.N(t) above v.N*, and a population pushed below it is lost however long it lasted. A fixed rate is not: it changes lambda whatever N(t) is, so a rate below the one for every stage taken from all of them, or a rate below its own figure taken from one stage alone, keeps any population growing in the long run, from any start. Rates taken from several stages at once need smaller ones.</source>
        <translation>Una cuota fija es inestable: N(t) debe mantener v.N(t) por encima de v.N*, y una población empujada por debajo se pierde por mucho que haya durado. Una tasa fija no: cambia lambda sea cual sea N(t), así que una tasa menor que la de cada estadio quitada de todos, o una tasa menor que su propia cifra quitada de un solo estadio, mantiene creciendo a largo plazo cualquier población, desde cualquier inicio. Las tasas quitadas de varios estadios a la vez deben ser menores.</translation>
    </message>
    <message>
        <source>Why a rate, not a quota</source>
        <translation>Por qué una tasa y no una cuota</translation>
    </message>
    <message>
        <source>A fecundity: newborns per animal of the class in a step, and how lambda answers to it.</source>
        <translation>Una fecundidad: recién nacidos por animal de la clase en un paso, y cómo responde lambda a ella.</translation>
    </message>
    <message>
        <source>A survival rate: the share of a class that lives on into the next one, and how lambda answers to it.</source>
        <translation>Una tasa de supervivencia: la parte de una clase que sigue viva en la siguiente, y cómo responde lambda a ella.</translation>
    </message>
    <message>
        <source>How many times larger the population gets each step in the long run, without harvest: above 1 it grows, below 1 it shrinks.</source>
        <translation>Cuántas veces mayor se hace la población en cada paso a largo plazo, sin cosecha: por encima de 1 crece, por debajo de 1 se reduce.</translation>
    </message>
    <message>
        <source>The shares of the classes that any population settles into, whatever it started with.</source>
        <translation>Las proporciones de las clases en las que se estabiliza cualquier población, empiece como empiece.</translation>
    </message>
    <message>
        <source>The shares of the stages that any population settles into, whatever it started with.</source>
        <translation>Las proporciones de los estadios en las que se estabiliza cualquier población, empiece como empiece.</translation>
    </message>
    <message>
        <source>What one animal of each class is worth to the future population, counted in newborns.</source>
        <translation>Lo que vale un animal de cada clase para la población futura, contado en recién nacidos.</translation>
    </message>
    <message>
        <source>What one animal of each stage is worth to the future population, counted in newborns.</source>
        <translation>Lo que vale un animal de cada estadio para la población futura, contado en recién nacidos.</translation>
    </message>
    <message>
        <source>How many offspring one newborn leaves over its whole life.</source>
        <translation>Cuántas crías deja un recién nacido en toda su vida.</translation>
    </message>
    <message>
        <source>How quickly a population forgets its start: the larger, the sooner it settles into the stable distribution.</source>
        <translation>Lo rápido que una población olvida su inicio: cuanto mayor, antes se estabiliza en la distribución estable.</translation>
    </message>
    <message>
        <source>The time it takes the population to grow by R0, about the age at which mothers have their young.</source>
        <translation>El tiempo que tarda la población en crecer R0 veces, más o menos la edad a la que las madres tienen sus crías.</translation>
    </message>
    <message>
        <source>How many more steps an animal of each stage lives on average.</source>
        <translation>Cuántos pasos más vive en promedio un animal de cada estadio.</translation>
    </message>
    <message>
        <source>How the classes are linked, and whether every start ends in the same stable distribution.</source>
        <translation>Cómo están unidas las clases, y si todo inicio acaba en la misma distribución estable.</translation>
    </message>
    <message>
        <source>How the stages are linked, and whether every start ends in the same stable distribution.</source>
        <translation>Cómo están unidos los estadios, y si todo inicio acaba en la misma distribución estable.</translation>
    </message>
    <message>
        <source>How much lambda rises if one cell of M rises by a small amount.</source>
        <translation>Cuánto sube lambda si una celda de M sube un poco.</translation>
    </message>
    <message>
        <source>How much lambda rises if one cell of A rises by a small amount.</source>
        <translation>Cuánto sube lambda si una celda de A sube un poco.</translation>
    </message>
    <message>
        <source>The same in proportion: a change of 1 % in a cell changes lambda by this many %.</source>
        <translation>Lo mismo en proporción: un cambio del 1 % en una celda cambia lambda en este tanto %.</translation>
    </message>
    <message>
        <source>Why the seven rates of an age-class model are not shown here.</source>
        <translation>Por qué aquí no se muestran las siete tasas de un modelo de clases de edad.</translation>
    </message>
    <message>
        <source>Which kind of transition carries lambda: staying, growing, shrinking or giving birth.</source>
        <translation>Qué tipo de transición sostiene lambda: permanecer, crecer, encogerse o dar a luz.</translation>
    </message>
    <message>
        <source>The one change that would help the population most.</source>
        <translation>El único cambio que más ayudaría a la población.</translation>
    </message>
    <message>
        <source>How much faster or slower this N(t) grows in its first step than the long-run lambda (n is N(t) scaled to total 1); another start gives another figure.</source>
        <translation>Cuánto más rápido o más despacio crece este N(t) en su primer paso que con la lambda a largo plazo (n es N(t) escalado a total 1); otro inicio da otra cifra.</translation>
    </message>
    <message>
        <source>How many steps until this N(t) has nearly the stable distribution.</source>
        <translation>Cuántos pasos hasta que este N(t) tiene casi la distribución estable.</translation>
    </message>
    <message>
        <source>How much larger or smaller this N(t) ends up than a population of the same size that started in the stable distribution.</source>
        <translation>Cuánto mayor o menor acaba este N(t) que una población del mismo tamaño que empezó en la distribución estable.</translation>
    </message>
    <message>
        <source>The one population that the harvest H leaves exactly as it is.</source>
        <translation>La única población que la cosecha H deja exactamente como está.</translation>
    </message>
    <message>
        <source>The whole population counted in newborns&apos; worth: each animal times the reproductive value of its class.</source>
        <translation>Toda la población contada en valor de recién nacidos: cada animal por el valor reproductivo de su clase.</translation>
    </message>
    <message>
        <source>The whole population counted in newborns&apos; worth: each animal times the reproductive value of its stage.</source>
        <translation>Toda la población contada en valor de recién nacidos: cada animal por el valor reproductivo de su estadio.</translation>
    </message>
    <message>
        <source>The worth the population needs to keep up with H for ever.</source>
        <translation>El valor que la población necesita para aguantar H para siempre.</translation>
    </message>
    <message>
        <source>What H takes from that worth each step, against what the population adds to it.</source>
        <translation>Lo que H quita de ese valor en cada paso, frente a lo que la población le añade.</translation>
    </message>
    <message>
        <source>Whether N(t) grows or dies under H, judged by its worth against v.N*.</source>
        <translation>Si N(t) crece o muere con H, juzgado por su valor frente a v.N*.</translation>
    </message>
    <message>
        <source>How many times H the population could give for ever, by the rule.</source>
        <translation>Cuántas veces H podría dar la población para siempre, según la regla.</translation>
    </message>
    <message>
        <source>What the program&apos;s own steps do to N(t) under H, step by step.</source>
        <translation>Lo que los propios pasos del programa hacen con N(t) bajo H, paso a paso.</translation>
    </message>
    <message>
        <source>The most the program&apos;s own steps carry for the whole run, against the rule&apos;s figure.</source>
        <translation>Lo máximo que los propios pasos del programa soportan durante toda la ejecución, frente a la cifra de la regla.</translation>
    </message>
    <message>
        <source>How much of the future one animal taken from each class costs.</source>
        <translation>Cuánto futuro cuesta un animal quitado de cada clase.</translation>
    </message>
    <message>
        <source>How much of the future one animal taken from each stage costs.</source>
        <translation>Cuánto futuro cuesta un animal quitado de cada estadio.</translation>
    </message>
    <message>
        <source>The most animals of one class alone that could be taken every step for ever, by the rule.</source>
        <translation>El máximo de animales de una sola clase que podrían quitarse en cada paso para siempre, según la regla.</translation>
    </message>
    <message>
        <source>The most animals of one stage alone that could be taken every step for ever, by the rule.</source>
        <translation>El máximo de animales de un solo estadio que podrían quitarse en cada paso para siempre, según la regla.</translation>
    </message>
    <message>
        <source>The same by the program&apos;s own steps, for the steps it runs.</source>
        <translation>Lo mismo según los propios pasos del programa, para los pasos que ejecuta.</translation>
    </message>
    <message>
        <source>The share of every class that can be taken each step, for ever.</source>
        <translation>La proporción de cada clase que puede quitarse en cada paso, para siempre.</translation>
    </message>
    <message>
        <source>The share of every stage that can be taken each step, for ever.</source>
        <translation>La proporción de cada estadio que puede quitarse en cada paso, para siempre.</translation>
    </message>
    <message>
        <source>The share of one class alone that can be taken each step, for ever.</source>
        <translation>La proporción de una sola clase que puede quitarse en cada paso, para siempre.</translation>
    </message>
    <message>
        <source>The share of one stage alone that can be taken each step, for ever.</source>
        <translation>La proporción de un solo estadio que puede quitarse en cada paso, para siempre.</translation>
    </message>
    <message>
        <source>Why taking a share is safer than taking a fixed number.</source>
        <translation>Por qué quitar una proporción es más seguro que quitar un número fijo.</translation>
    </message>
    <message>
        <source>infinite</source>
        <extracomment>A figure without bound, in a cell of the report.</extracomment>
        <translation>infinito</translation>
    </message>
    <message>
        <source>Dominant eigenvalue lambda</source>
        <translation>Valor propio dominante lambda</translation>
    </message>
    <message>
        <source>Stable age distribution</source>
        <translation>Distribución estable de edades</translation>
    </message>
    <message>
        <source>Stable stage distribution</source>
        <translation>Distribución estable de estadios</translation>
    </message>
    <message>
        <source>not unique: the dominant eigenvalue is repeated.</source>
        <translation>no es única: el valor propio dominante es múltiple.</translation>
    </message>
    <message>
        <source>Reproductive values (class 0 = 1)</source>
        <translation>Valores reproductivos (clase 0 = 1)</translation>
    </message>
    <message>
        <source>Reproductive values (%1 = 1)</source>
        <translation>Valores reproductivos (%1 = 1)</translation>
    </message>
    <message>
        <source>not defined: %1 has no part in the dominant growth.</source>
        <translation>no definidos: %1 no participa en el crecimiento dominante.</translation>
    </message>
    <message>
        <source>Net reproductive rate R0</source>
        <translation>Tasa reproductiva neta R0</translation>
    </message>
    <message>
        <source>not defined: survival alone keeps cohorts from dying out.</source>
        <translation>no definida: la supervivencia sola impide que las cohortes se extingan.</translation>
    </message>
    <message>
        <source>Damping ratio lambda / |lambda2|</source>
        <translation>Amortiguación lambda / |lambda2|</translation>
    </message>
    <message>
        <source>all other eigenvalues are 0: the stable distribution is reached within four steps.</source>
        <translation>todos los demás valores propios son 0: la distribución estable se alcanza en cuatro pasos.</translation>
    </message>
    <message>
        <source>all other eigenvalues are 0: the stable distribution is reached within %1 steps.</source>
        <translation>todos los demás valores propios son 0: la distribución estable se alcanza en %1 pasos.</translation>
    </message>
    <message>
        <source>Generation time T = ln R0 / ln lambda</source>
        <translation>Tiempo generacional T = ln R0 / ln lambda</translation>
    </message>
    <message>
        <source>lambda = 1: the limit of the quotient, the mean age of the parents in the stable population.</source>
        <translation>lambda = 1: el límite del cociente, la edad media de los progenitores en la población estable.</translation>
    </message>
    <message>
        <source>not defined.</source>
        <translation>no definido.</translation>
    </message>
    <message>
        <source>Life expectancy from each stage, column sums of (I - U)^-1</source>
        <translation>Esperanza de vida desde cada estadio, sumas de columnas de (I - U)^-1</translation>
    </message>
    <message>
        <source>none: I - U is singular, so some stage (or loop of stages) never dies out.</source>
        <translation>ninguna: I - U es singular, así que algún estadio (o ciclo de estadios) nunca se extingue.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Growth without harvest</source>
        <extracomment>Section headings of the report.</extracomment>
        <translation>Crecimiento sin cosecha</translation>
    </message>
    <message>
        <source>Which rate matters</source>
        <translation>Qué tasa importa</translation>
    </message>
    <message>
        <source>The first steps, without harvest</source>
        <translation>Los primeros pasos, sin cosecha</translation>
    </message>
    <message>
        <source>v.N(t), the reproductive value of N(t)</source>
        <translation>v.N(t), el valor reproductivo de N(t)</translation>
    </message>
    <message>
        <source>v.N* = v.H / (lambda - 1)</source>
        <translation>v.N* = v.H / (lambda - 1)</translation>
    </message>
    <message>
        <source>v.H against (lambda - 1) v.N(t)</source>
        <translation>v.H frente a (lambda - 1) v.N(t)</translation>
    </message>
    <message>
        <source>Every animal of N(t) counted by the reproductive value v_i of its class: what N(t) is worth to the future, in newborns.</source>
        <translation>Cada animal de N(t) contado por el valor reproductivo v_i de su clase: lo que N(t) vale para el futuro, en recién nacidos.</translation>
    </message>
    <message>
        <source>Every animal of N(t) counted by the reproductive value v_i of its stage: what N(t) is worth to the future, in newborns.</source>
        <translation>Cada animal de N(t) contado por el valor reproductivo v_i de su estadio: lo que N(t) vale para el futuro, en recién nacidos.</translation>
    </message>
    <message>
        <source>none: with lambda = 1 no N* exists.</source>
        <translation>ninguno: con lambda = 1 no existe N*.</translation>
    </message>
    <message>
        <source>none: with lambda below 1 N* has negative classes.</source>
        <translation>ninguno: con lambda menor que 1 N* tiene clases negativas.</translation>
    </message>
    <message>
        <source>none: with lambda below 1 N* has negative stages.</source>
        <translation>ninguno: con lambda menor que 1 N* tiene estadios negativos.</translation>
    </message>
    <message>
        <source>surplus</source>
        <extracomment>Column header: what the population adds to its reproductive value each step.</extracomment>
        <translation>excedente</translation>
    </message>
    <message>
        <source>The rule of v.N(t)</source>
        <translation>La regla de v.N(t)</translation>
    </message>
    <message>
        <source>N(t) under H, by the projection</source>
        <translation>N(t) con H, según la proyección</translation>
    </message>
    <message>
        <source>Under the constant harvest H</source>
        <translation>Con la cosecha constante H</translation>
    </message>
    <message>
        <source>What each harvested animal costs</source>
        <translation>Lo que cuesta cada animal cosechado</translation>
    </message>
    <message>
        <source>Quota against rate</source>
        <translation>Cuota frente a tasa</translation>
    </message>
</context>
<context>
    <name>EditEntries</name>
    <message>
        <source>Survival rate (the blue ones) must be &lt;=1. Press Try Again to enter new data.</source>
        <extracomment>&quot;Try Again&quot; / &quot;Try again&quot; is the editing window&apos;s button of that name.</extracomment>
        <translation>La tasa de supervivencia (las azules) debe ser &lt;=1. Pulse Reintentar para introducir nuevos datos.</translation>
    </message>
    <message>
        <source>Survival rate (the blue ones) must be &gt;=0. Press Try Again to enter new data.</source>
        <translation>La tasa de supervivencia (las azules) debe ser &gt;=0. Pulse Reintentar para introducir nuevos datos.</translation>
    </message>
    <message>
        <source>Fecundity (the red ones) must &gt;=0. Click Try again to enter new data.</source>
        <translation>La fecundidad (las rojas) debe ser &gt;=0. Haga clic en Reintentar para introducir nuevos datos.</translation>
    </message>
    <message>
        <source>The harvest rate (the green boxes) must be &gt;=0. Click Try again to enter new data.</source>
        <translation>La tasa de cosecha (las casillas verdes) debe ser &gt;=0. Haga clic en Reintentar para introducir nuevos datos.</translation>
    </message>
    <message>
        <source>The number of each age group of N(0) must be &gt;=0. Press Try again to retry.</source>
        <translation>El número de cada grupo de edad de N(0) debe ser &gt;=0. Pulse Reintentar para volver a intentarlo.</translation>
    </message>
    <message>
        <source>The number is too large. Press Try again to enter new data.</source>
        <translation>El número es demasiado grande. Pulse Reintentar para introducir nuevos datos.</translation>
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
        <translation>Tamaño de la población = 0</translation>
    </message>
    <message>
        <source>History full</source>
        <extracomment>&quot;Change default values&quot; is the main window&apos;s button of that name.</extracomment>
        <translation>Historial lleno</translation>
    </message>
    <message>
        <source>The history is full: 1000 steps have been recorded.
Press &quot;Change default values&quot; to start a new run.</source>
        <translation>El historial está lleno: se han registrado 1000 pasos.
Pulse &quot;Cambiar valores predeterminados&quot; para empezar una nueva ejecución.</translation>
    </message>
    <message>
        <source>Numbers too large</source>
        <translation>Números demasiado grandes</translation>
    </message>
    <message>
        <source>The numbers have grown beyond what the program can represent.
This step was not counted.</source>
        <translation>Los números han crecido más allá de lo que el programa puede representar.
Este paso no se ha contado.</translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation>No es un número</translation>
    </message>
    <message>
        <source>A field of the main window does not hold a number.
This step was not counted.</source>
        <translation>Un campo de la ventana principal no contiene un número.
Este paso no se ha contado.</translation>
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
        <source>Velmora models (*.velmora)</source>
        <extracomment>Keep the pattern in brackets as it is.</extracomment>
        <translation>Modelos de Velmora (*.velmora)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>Keep the pattern in brackets as it is.</extracomment>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open model</source>
        <translation>Abrir modelo</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Guardar modelo</translation>
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
<context>
    <name>AnalysisText</name>
    <message>
        <source>N(t) at t = %1</source>
        <translation>N(t) en t = %1</translation>
    </message>
</context>
<context>
    <name>ExerciseText</name>
    <message>
        <source>unknown key %1%2</source>
        <translation>clave desconocida %1%2</translation>
    </message>
    <message>
        <source>it is %1: it must be {&quot;answer&quot;: ..., &quot;mark&quot;: ..., &quot;tries&quot;: N}</source>
        <translation>es %1: debe ser {&quot;answer&quot;: ..., &quot;mark&quot;: ..., &quot;tries&quot;: N}</translation>
    </message>
    <message>
        <source>&quot;answer&quot; is %1: it must be one line of text in double quotes</source>
        <translation>&quot;answer&quot; es %1: debe ser una línea de texto entre comillas dobles</translation>
    </message>
    <message>
        <source>&quot;mark&quot; is %1, not &quot;right&quot;, &quot;close&quot;, &quot;wrong&quot; or null</source>
        <translation>&quot;mark&quot; es %1, no &quot;right&quot;, &quot;close&quot;, &quot;wrong&quot; ni null</translation>
    </message>
    <message>
        <source>&quot;tries&quot; is %1: it must be a whole number from 0 to %2</source>
        <translation>&quot;tries&quot; es %1: debe ser un número entero de 0 a %2</translation>
    </message>
    <message>
        <source>&quot;format&quot; is %1, not &quot;%2&quot;: this is not a Velmora answers file</source>
        <translation>&quot;format&quot; es %1, no &quot;%2&quot;: este no es un archivo de respuestas de Velmora</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>inexistente</translation>
    </message>
    <message>
        <source>&quot;version&quot; is %1: the file was written by a newer Velmora</source>
        <translation>&quot;version&quot; es %1: el archivo lo escribió un Velmora más reciente</translation>
    </message>
    <message>
        <source>&quot;version&quot; is %1, not 1</source>
        <translation>&quot;version&quot; es %1, no 1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2: it must be one line of at most %3 characters</source>
        <translation>&quot;%1&quot; es %2: debe ser una línea de como mucho %3 caracteres</translation>
    </message>
    <message>
        <source>&quot;student&quot; is %1: %2</source>
        <translation>&quot;student&quot; es %1: %2</translation>
    </message>
    <message>
        <source>&quot;model&quot; is %1: it must be {KEY: number, ...} with the varied values</source>
        <translation>&quot;model&quot; es %1: debe ser {KEY: number, ...} con los valores variados</translation>
    </message>
    <message>
        <source>%1 in &quot;model&quot; is %2: it must be a number</source>
        <translation>%1 en &quot;model&quot; es %2: debe ser un número</translation>
    </message>
    <message>
        <source>&quot;answers&quot; is %1: it must be a list of at most %2 answers</source>
        <translation>&quot;answers&quot; es %1: debe ser una lista de como mucho %2 respuestas</translation>
    </message>
    <message>
        <source>answer %1: %2</source>
        <translation>respuesta %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2: it must be a number of points</source>
        <translation>&quot;%1&quot; es %2: debe ser un número de puntos</translation>
    </message>
    <message>
        <source>it is larger than 256 KiB, far more than answers need</source>
        <translation>ocupa más de 256 KiB, mucho más de lo que necesitan unas respuestas</translation>
    </message>
    <message>
        <source>this is not a Velmora answers file: it holds no {...} object</source>
        <translation>este no es un archivo de respuestas de Velmora: no contiene ningún objeto {...}</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>no se pudo escribir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>a student&apos;s name (or number) is needed: it draws the numbers</source>
        <translation>hace falta el nombre (o número) del estudiante: de él salen los números</translation>
    </message>
    <message>
        <source>a student&apos;s name is at most %1 characters</source>
        <translation>el nombre de un estudiante tiene como mucho %1 caracteres</translation>
    </message>
    <message>
        <source>a student&apos;s name is one line without control characters</source>
        <translation>el nombre de un estudiante es una línea sin caracteres de control</translation>
    </message>
    <message>
        <source>with these numbers, %1</source>
        <translation>con estos números, %1</translation>
    </message>
</context>
<context>
    <name>ModelFileText</name>
    <message>
        <source>unknown key %1</source>
        <translation>clave desconocida %1</translation>
    </message>
    <message>
        <source>&quot;risk&quot; is %1: it must be {&quot;cvSurvival&quot;: X, &quot;cvFecundity&quot;: X, &quot;seed&quot;: S, ...}</source>
        <translation>&quot;risk&quot; es %1: debe ser {&quot;cvSurvival&quot;: X, &quot;cvFecundity&quot;: X, &quot;seed&quot;: S, ...}</translation>
    </message>
    <message>
        <source>%1 in &quot;risk&quot;</source>
        <extracomment>%1 is a refusal such as: unknown key &quot;x&quot;.</extracomment>
        <translation>%1 en &quot;risk&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;risk&quot; is %2: it must be %3 from %4 to %5</source>
        <translation>&quot;%1&quot; en &quot;risk&quot; es %2: debe ser %3 de %4 a %5</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un número entero</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un número</translation>
    </message>
    <message>
        <source>&quot;demographic&quot; in &quot;risk&quot; is %1: it must be true or false</source>
        <translation>&quot;demographic&quot; en &quot;risk&quot; es %1: debe ser true o false</translation>
    </message>
    <message>
        <source>it is %1: a question must be {&quot;text&quot;: ..., &quot;asks&quot;: ...}</source>
        <translation>es %1: una pregunta debe ser {&quot;text&quot;: ..., &quot;asks&quot;: ...}</translation>
    </message>
    <message>
        <source>&quot;text&quot; is missing</source>
        <translation>falta &quot;text&quot;</translation>
    </message>
    <message>
        <source>&quot;text&quot; is %1: it must be text of 1 to %2 characters</source>
        <translation>&quot;text&quot; es %1: debe ser un texto de 1 a %2 caracteres</translation>
    </message>
    <message>
        <source>&quot;asks&quot; is missing</source>
        <translation>falta &quot;asks&quot;</translation>
    </message>
    <message>
        <source>&quot;asks&quot; is %1: it must name a figure of the report, such as &quot;growth.lambda&quot; or &quot;growth.stableDistribution[2]&quot;</source>
        <translation>&quot;asks&quot; es %1: debe nombrar una cifra del informe, como &quot;growth.lambda&quot; o &quot;growth.stableDistribution[2]&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2: it must be a number from 0 to 1000000</source>
        <translation>&quot;%1&quot; es %2: debe ser un número de 0 a 1000000</translation>
    </message>
    <message>
        <source>&quot;hint&quot; is %1: it must be text of at most %2 characters</source>
        <translation>&quot;hint&quot; es %1: debe ser un texto de como mucho %2 caracteres</translation>
    </message>
    <message>
        <source>&quot;risk&quot; is missing: &quot;risk.finalRisk&quot; needs the settings of the run, at least {&quot;cvSurvival&quot;: X, &quot;seed&quot;: S}</source>
        <translation>falta &quot;risk&quot;: &quot;risk.finalRisk&quot; necesita los ajustes de la ejecución, al menos {&quot;cvSurvival&quot;: X, &quot;seed&quot;: S}</translation>
    </message>
    <message>
        <source>&quot;risk&quot; stands with &quot;asks&quot;: %1; only &quot;risk.finalRisk&quot; takes it</source>
        <translation>&quot;risk&quot; va con &quot;asks&quot;: %1; solo &quot;risk.finalRisk&quot; lo admite</translation>
    </message>
    <message>
        <source>it is %1: it must be {&quot;value&quot;: KEY, &quot;from&quot;: X, &quot;to&quot;: Y, &quot;step&quot;: D}</source>
        <translation>es %1: debe ser {&quot;value&quot;: KEY, &quot;from&quot;: X, &quot;to&quot;: Y, &quot;step&quot;: D}</translation>
    </message>
    <message>
        <source>&quot;value&quot; is %1: it must name a value of the model, such as &quot;fecundities[2]&quot; or &quot;transitions[1][0]&quot;</source>
        <translation>&quot;value&quot; es %1: debe nombrar un valor del modelo, como &quot;fecundities[2]&quot; o &quot;transitions[1][0]&quot;</translation>
    </message>
    <message>
        <source>&quot;value&quot; is %1, which names no value of this model</source>
        <translation>&quot;value&quot; es %1, que no nombra ningún valor de este modelo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <translation>falta &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2: it must be a number</source>
        <translation>&quot;%1&quot; es %2: debe ser un número</translation>
    </message>
    <message>
        <source>&quot;from&quot; %1, &quot;to&quot; %2, &quot;step&quot; %3: the values must rise from &quot;from&quot; to &quot;to&quot; by a step above 0</source>
        <translation>&quot;from&quot; %1, &quot;to&quot; %2, &quot;step&quot; %3: los valores deben subir de &quot;from&quot; a &quot;to&quot; con un paso mayor que 0</translation>
    </message>
    <message>
        <source>from %1 to %2 by %3 are more than %4 values</source>
        <translation>de %1 a %2 con paso %3 son más de %4 valores</translation>
    </message>
    <message>
        <source>with %1 at %2, %3</source>
        <translation>con %1 en %2, %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2: it must be a list of 1 to %3 %4</source>
        <translation>&quot;%1&quot; es %2: debe ser una lista de 1 a %3 %4</translation>
    </message>
    <message>
        <source>it is %1: it must be {&quot;title&quot;: ..., &quot;questions&quot;: [...]}</source>
        <translation>es %1: debe ser {&quot;title&quot;: ..., &quot;questions&quot;: [...]}</translation>
    </message>
    <message>
        <source>&quot;title&quot; is missing: with a student&apos;s name it draws the numbers</source>
        <translation>falta &quot;title&quot;: con el nombre de un estudiante, de él salen los números</translation>
    </message>
    <message>
        <source>&quot;title&quot; is %1: it must be one line of 1 to %2 characters</source>
        <translation>&quot;title&quot; es %1: debe ser una línea de 1 a %2 caracteres</translation>
    </message>
    <message>
        <source>questions</source>
        <translation>preguntas</translation>
    </message>
    <message>
        <source>question %1: %2</source>
        <translation>pregunta %1: %2</translation>
    </message>
    <message>
        <source>varied values</source>
        <translation>valores variados</translation>
    </message>
    <message>
        <source>varied value %1: %2</source>
        <translation>valor variado %1: %2</translation>
    </message>
    <message>
        <source>question %1: &quot;risk&quot;: %2</source>
        <translation>pregunta %1: &quot;risk&quot;: %2</translation>
    </message>
    <message>
        <source>varied value %1: %2 is varied twice</source>
        <translation>valor variado %1: %2 se varía dos veces</translation>
    </message>
    <message>
        <source>&quot;analysis&quot; is %1: it must be true or false</source>
        <translation>&quot;analysis&quot; es %1: debe ser true o false</translation>
    </message>
    <message>
        <source>&quot;maxTries&quot; is %1: it must be a whole number from 1 to %2</source>
        <translation>&quot;maxTries&quot; es %1: debe ser un número entero de 1 a %2</translation>
    </message>
    <message>
        <source>a fecundity</source>
        <extracomment>The subject of &quot;%3 must be at least 0&quot;.</extracomment>
        <translation>una fecundidad</translation>
    </message>
    <message>
        <source>a survival rate</source>
        <translation>una tasa de supervivencia</translation>
    </message>
    <message>
        <source>an age class of N(0)</source>
        <translation>una clase de edad de N(0)</translation>
    </message>
    <message>
        <source>a harvest</source>
        <translation>una cosecha</translation>
    </message>
    <message>
        <source>%1 is %2: too large for the program</source>
        <translation>%1 es %2: demasiado grande para el programa</translation>
    </message>
    <message>
        <source>%1 is %2: a survival rate must be at most 1</source>
        <translation>%1 es %2: una tasa de supervivencia debe ser como mucho 1</translation>
    </message>
    <message>
        <source>%1 is %2: %3 must be at least 0</source>
        <translation>%1 es %2: %3 debe ser al menos 0</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>línea %1, columna %2</translation>
    </message>
    <message>
        <source>1 stage</source>
        <translation>1 etapa</translation>
    </message>
    <message>
        <source>%1 stages</source>
        <translation>%1 etapas</translation>
    </message>
    <message>
        <source>1 number</source>
        <translation>1 número</translation>
    </message>
    <message>
        <source>%1 numbers</source>
        <translation>%1 números</translation>
    </message>
    <message>
        <source>%1 must be one line of at most %2 characters</source>
        <translation>%1 debe ser una línea de como mucho %2 caracteres</translation>
    </message>
    <message>
        <source>%1 holds a control character; only line breaks and tabs may stand in it</source>
        <translation>%1 contiene un carácter de control; solo puede haber saltos de línea y tabuladores</translation>
    </message>
    <message>
        <source>a transition</source>
        <translation>una transición</translation>
    </message>
    <message>
        <source>a clonal rate</source>
        <translation>una tasa clonal</translation>
    </message>
    <message>
        <source>%1[%2], from %3 to %4,</source>
        <translation>%1[%2], de %3 a %4,</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 is []: a model needs at least 1 stage</source>
        <translation>%1 es []: un modelo necesita al menos 1 etapa</translation>
    </message>
    <message>
        <source>%1 holds %2 names: the program takes at most %3 stages</source>
        <translation>%1 contiene %2 nombres: el programa admite como mucho %3 etapas</translation>
    </message>
    <message>
        <source>%1 is %2: %3</source>
        <translation>%1 es %2: %3</translation>
    </message>
    <message>
        <source>%1 is %2, as is %3: each stage needs a name of its own</source>
        <translation>%1 es %2, igual que %3: cada etapa necesita un nombre propio</translation>
    </message>
    <message>
        <source>%1: the column of %2 adds up to %3: at most all of a stage can survive</source>
        <translation>%1: la columna de %2 suma %3: como mucho puede sobrevivir toda una etapa</translation>
    </message>
    <message>
        <source>%1: the total of N(0) is too large for the program</source>
        <translation>%1: el total de N(0) es demasiado grande para el programa</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 is %2: the file was written by a newer Velmora; this one reads versions up to %3</source>
        <translation>%1 es %2: el archivo lo escribió un Velmora más reciente; este lee versiones hasta la %3</translation>
    </message>
    <message>
        <source>%1 is %2, not a version from 1 to %3</source>
        <translation>%1 es %2, no una versión de 1 a %3</translation>
    </message>
    <message>
        <source>%1 is a key of version %2 files; this file is version %3</source>
        <translation>%1 es una clave de archivos de versión %2; este archivo es de versión %3</translation>
    </message>
    <message>
        <source>%1 and %2 stand in one file: a file holds either a 4-class Leslie model (&quot;fecundities&quot;, &quot;survival&quot;) or a life cycle by stages (&quot;stages&quot;, &quot;transitions&quot;, &quot;reproduction&quot;)</source>
        <translation>%1 y %2 están en un mismo archivo: un archivo contiene o un modelo de Leslie de 4 clases (&quot;fecundities&quot;, &quot;survival&quot;) o un ciclo de vida por etapas (&quot;stages&quot;, &quot;transitions&quot;, &quot;reproduction&quot;)</translation>
    </message>
    <message>
        <source>the file holds no model: it needs &quot;fecundities&quot; and &quot;survival&quot; for a 4-class Leslie model, or &quot;stages&quot;, &quot;transitions&quot; and &quot;reproduction&quot; for a life cycle by stages</source>
        <translation>el archivo no contiene ningún modelo: necesita &quot;fecundities&quot; y &quot;survival&quot; para un modelo de Leslie de 4 clases, o &quot;stages&quot;, &quot;transitions&quot; y &quot;reproduction&quot; para un ciclo de vida por etapas</translation>
    </message>
    <message>
        <source>%1 is %2: it must be text in double quotes</source>
        <translation>%1 es %2: debe ser texto entre comillas dobles</translation>
    </message>
    <message>
        <source>%1 is %2: it must be a list of %3 numbers, such as [%4]</source>
        <translation>%1 es %2: debe ser una lista de %3 números, como [%4]</translation>
    </message>
    <message>
        <source>%1 is %2: it must be a number</source>
        <translation>%1 es %2: debe ser un número</translation>
    </message>
    <message>
        <source>%1 is %2: it must be a list of stage names in double quotes, such as [&quot;seeds&quot;, &quot;adults&quot;]</source>
        <translation>%1 es %2: debe ser una lista de nombres de etapas entre comillas dobles, como [&quot;seeds&quot;, &quot;adults&quot;]</translation>
    </message>
    <message>
        <source>%1 is %2: a stage name must be text in double quotes</source>
        <translation>%1 es %2: un nombre de etapa debe ser texto entre comillas dobles</translation>
    </message>
    <message>
        <source>%1 is %2: it must be a list of %3, one for each stage, each a list of %4</source>
        <translation>%1 es %2: debe ser una lista de %3, una por etapa, cada una una lista de %4</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 fila</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 filas</translation>
    </message>
    <message>
        <source>%1 is %2: it must be a row of %3, one for each stage</source>
        <translation>%1 es %2: debe ser una fila de %3, uno por etapa</translation>
    </message>
    <message>
        <source>%1[%2] is %3: it must be a number</source>
        <translation>%1[%2] es %3: debe ser un número</translation>
    </message>
    <message>
        <source>%1 is %2: it must be a list of %3, one for each stage</source>
        <translation>%1 es %2: debe ser una lista de %3, uno por etapa</translation>
    </message>
    <message>
        <source>%1%2 is %3: it must be a list of stage names in double quotes</source>
        <translation>%1%2 es %3: debe ser una lista de nombres de etapas entre comillas dobles</translation>
    </message>
    <message>
        <source>%1%2 is []: leave it out to take every stage</source>
        <translation>%1%2 es []: omítalo para tomar todas las etapas</translation>
    </message>
    <message>
        <source>%1%2 is %3, which is not the name of a stage of the model</source>
        <translation>%1%2 es %3, que no es el nombre de ninguna etapa del modelo</translation>
    </message>
    <message>
        <source>%1%2 is %3, named twice</source>
        <translation>%1%2 es %3, nombrada dos veces</translation>
    </message>
    <message>
        <source>%1 is %2: it must be {&quot;form&quot;: &quot;beverton-holt&quot;, &quot;capacity&quot;: K} with &quot;ricker&quot; or &quot;ceiling&quot; as other forms</source>
        <translation>%1 es %2: debe ser {&quot;form&quot;: &quot;beverton-holt&quot;, &quot;capacity&quot;: K} con &quot;ricker&quot; o &quot;ceiling&quot; como otras formas</translation>
    </message>
    <message>
        <source>unknown key %1 in %2</source>
        <translation>clave desconocida %1 en %2</translation>
    </message>
    <message>
        <source>&quot;form&quot; in %1 is missing</source>
        <translation>falta &quot;form&quot; en %1</translation>
    </message>
    <message>
        <source>&quot;form&quot; in %1 is %2, not &quot;beverton-holt&quot;, &quot;ricker&quot; or &quot;ceiling&quot;</source>
        <translation>&quot;form&quot; en %1 es %2, no &quot;beverton-holt&quot;, &quot;ricker&quot; ni &quot;ceiling&quot;</translation>
    </message>
    <message>
        <source>&quot;capacity&quot; in %1 is missing</source>
        <translation>falta &quot;capacity&quot; en %1</translation>
    </message>
    <message>
        <source>&quot;capacity&quot; in %1 is %2: K must be a number above 0</source>
        <translation>&quot;capacity&quot; en %1 es %2: K debe ser un número mayor que 0</translation>
    </message>
    <message>
        <source> in %1</source>
        <translation> en %1</translation>
    </message>
    <message>
        <source>%1: a stage of the model never dies, so R0 has no value and K cannot set the strength of the density dependence</source>
        <translation>%1: una etapa del modelo nunca muere, así que R0 no tiene valor y K no puede fijar la fuerza de la dependencia de la densidad</translation>
    </message>
    <message>
        <source>%1: R0 is %2, and a population that settles at K must more than replace itself when sparse (R0 above 1)</source>
        <translation>%1: R0 es %2, y una población que se estabiliza en K debe más que reemplazarse cuando es escasa (R0 mayor que 1)</translation>
    </message>
    <message>
        <source>%1 is missing: this is not a Velmora model file</source>
        <translation>falta %1: este no es un archivo de modelo de Velmora</translation>
    </message>
    <message>
        <source>%1 is %2, not &quot;%3&quot;: this is not a Velmora model file</source>
        <translation>%1 es %2, no &quot;%3&quot;: este no es un archivo de modelo de Velmora</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written: %2</source>
        <translation>&quot;%1&quot; no se escribió: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>no se pudo escribir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2; the model opened without its exercise</source>
        <translation>&quot;%1&quot;: %2; el modelo se abrió sin su ejercicio</translation>
    </message>
    <message>
        <source>%1 is %2 x %3: it must have a row and a column for each of the %4</source>
        <translation>%1 es %2 x %3: debe tener una fila y una columna para cada una de las %4</translation>
    </message>
    <message>
        <source>%1 holds %2: it must hold one for each of the %3</source>
        <translation>%1 contiene %2: debe contener uno para cada una de las %3</translation>
    </message>
    <message>
        <source>this is not JSON: %1 at %2</source>
        <translation>esto no es JSON: %1 en %2</translation>
    </message>
    <message>
        <source>this is not a Velmora model file: it holds no {...} object</source>
        <translation>este no es un archivo de modelo de Velmora: no contiene ningún objeto {...}</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB, far more than a model needs</source>
        <translation>ocupa más de 1 MiB, mucho más de lo que necesita un modelo</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 está vacío</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number</source>
        <translation>%1: &quot;%2&quot; no es un número</translation>
    </message>
    <message>
        <source>%1: %2 is too large for the program</source>
        <translation>%1: %2 es demasiado grande para el programa</translation>
    </message>
    <message>
        <source>%1: %2 is below 0; rates and numbers of animals are at least 0</source>
        <translation>%1: %2 es menor que 0; las tasas y los números de animales son al menos 0</translation>
    </message>
    <message>
        <source>1 value</source>
        <translation>1 valor</translation>
    </message>
    <message>
        <source>%1 values</source>
        <translation>%1 valores</translation>
    </message>
    <message>
        <source>a model has 1 to %1 stages, not %2</source>
        <translation>un modelo tiene de 1 a %1 etapas, no %2</translation>
    </message>
    <message>
        <source>value %1</source>
        <extracomment>Where a value stands: &quot;row 2, value 1&quot;; %1 is the row (&quot;row 2&quot;).</extracomment>
        <translation>valor %1</translation>
    </message>
    <message>
        <source>%1, value %2</source>
        <translation>%1, valor %2</translation>
    </message>
    <message>
        <source>a stage needs a name</source>
        <translation>una etapa necesita un nombre</translation>
    </message>
    <message>
        <source>a stage name must not begin or end with a blank</source>
        <translation>un nombre de etapa no debe empezar ni terminar con un espacio</translation>
    </message>
    <message>
        <source>a stage name must be at most %1 characters long</source>
        <translation>un nombre de etapa debe tener como mucho %1 caracteres</translation>
    </message>
    <message>
        <source>a stage name must be one line without tabs or control characters</source>
        <translation>un nombre de etapa debe ser una línea sin tabuladores ni caracteres de control</translation>
    </message>
    <message>
        <source>a stage name must be UTF-8 text</source>
        <translation>un nombre de etapa debe ser texto UTF-8</translation>
    </message>
    <message>
        <source>%1 names: the program takes at most %2</source>
        <extracomment>%2 is a number of stages (&quot;100 stages&quot;).</extracomment>
        <translation>%1 nombres: el programa admite como mucho %2</translation>
    </message>
    <message>
        <source>name %1</source>
        <translation>nombre %1</translation>
    </message>
    <message>
        <source>%1 (&quot;%2&quot;) is an earlier name as well: each stage needs a name of its own</source>
        <translation>%1 (&quot;%2&quot;) es también un nombre anterior: cada etapa necesita un nombre propio</translation>
    </message>
    <message>
        <source>%1 for %2: one row for each stage, separated by &quot;;&quot;</source>
        <extracomment>%1 is a number of rows (&quot;3 rows&quot;), %2 one of stages (&quot;2 stages&quot;).</extracomment>
        <translation>%1 para %2: una fila por etapa, separadas por &quot;;&quot;</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>%1 holds %2 for %3: one for each stage, separated by &quot;,&quot;</source>
        <extracomment>%1 is the row (&quot;row 2&quot;), %2 a number of values, %3 one of stages.</extracomment>
        <translation>%1 contiene %2 para %3: uno por etapa, separados por &quot;,&quot;</translation>
    </message>
    <message>
        <source>%1 for %2: one for each stage, separated by &quot;,&quot;</source>
        <extracomment>%1 is a number of values (&quot;3 values&quot;), %2 one of stages (&quot;2 stages&quot;).</extracomment>
        <translation>%1 para %2: uno por etapa, separados por &quot;,&quot;</translation>
    </message>
</context>
</TS>
