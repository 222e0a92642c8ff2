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
        <translation>une population est considérée comme disparue sous N animaux (défaut 1 ;
0 : seulement quand une projection est refusée)</translation>
    </message>
    <message>
        <source>print one JSON object instead of aligned text</source>
        <translation>afficher un objet JSON au lieu du texte aligné</translation>
    </message>
    <message>
        <source>as text, explain each figure in a line under it</source>
        <translation>en texte, expliquer chaque valeur sur une ligne en dessous</translation>
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
        <translation>help prend un COMMAND</translation>
    </message>
    <message>
        <source>unknown option %1; options of a command come after its name</source>
        <translation>option inconnue %1 ; les options d&apos;une commande viennent après son nom</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande donnée</translation>
    </message>
    <message>
        <source>the command stopped on an error: %1</source>
        <translation>la commande s&apos;est arrêtée sur une erreur : %1</translation>
    </message>
    <message>
        <source>the command stopped on an unknown error</source>
        <translation>la commande s&apos;est arrêtée sur une erreur inconnue</translation>
    </message>
    <message>
        <source>standard output could not be written (%1): the results are lost</source>
        <translation>la sortie standard n&apos;a pas pu être écrite (%1) : les résultats sont perdus</translation>
    </message>
    <message>
        <source>beverton-holt, ricker or ceiling: how reproduction falls
as the density D rises</source>
        <translation>beverton-holt, ricker ou ceiling : comment la reproduction
baisse quand la densité D augmente</translation>
    </message>
    <message>
        <source>the density at which the population settles without
harvest, above 0</source>
        <translation>la densité à laquelle la population se stabilise sans
prélèvement, au-dessus de 0</translation>
    </message>
    <message>
        <source>the stages whose sum is D, by name (default: all)</source>
        <translation>les stades dont la somme est D, par nom (défaut : tous)</translation>
    </message>
    <message>
        <source>the stages a way of harvesting takes from (default: all)</source>
        <translation>les stades où un mode de prélèvement prend (défaut : tous)</translation>
    </message>
    <message>
        <source>quota, rate or escapement: take the harvest this
way in place of H (needs --density and --level)</source>
        <translation>quota, rate ou escapement : faire le prélèvement de cette
manière au lieu de H (demande --density et --level)</translation>
    </message>
    <message>
        <source>the quota Q a step, the rate h (0 to 1) or the
escapement E</source>
        <translation>le quota Q par pas, le taux h (0 à 1) ou
l&apos;échappement E</translation>
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
        <translation>Usage : velmora-cli exercise key FILE [--student NAME] [--json]
        velmora-cli exercise check FILE
        velmora-cli exercise mark FILE ANSWERS... [--out FILE.csv]

Travaille avec l&apos;exercice d&apos;un fichier de modèle (.velmora) : ses questions, les
valeurs dont chaque élève reçoit ses propres nombres, et les réponses rendues.

  key     affiche chaque question avec sa réponse pour un élève (--student NAME ;
          le même nom donne toujours les mêmes nombres) ou pour les nombres du
          fichier lui-même.
  check   refuse une question dont &quot;asks&quot; ne nomme aucune valeur, et calcule
          chaque question pour chaque combinaison des valeurs variées (un
          échantillon de 10000 s&apos;il y en a plus), pour qu&apos;aucun élève n&apos;ait une
          question sans réponse.
  mark    recalcule chaque note des fichiers de réponses (.velmora-answers) à
          partir du nom et des réponses de l&apos;élève, et affiche un tableau de la
          classe ; un fichier dont les nombres ou les notes diffèrent du recalcul
          est signalé. Le nombre d&apos;essais est compté par le programme de l&apos;élève
          et ne peut pas être vérifié.

Options :
</translation>
    </message>
    <message>
        <source>key: the student&apos;s name or number</source>
        <translation>key : le nom ou le numéro de l&apos;élève</translation>
    </message>
    <message>
        <source>key: print one JSON object</source>
        <translation>key : afficher un objet JSON</translation>
    </message>
    <message>
        <source>mark: also write the table as CSV</source>
        <translation>mark : écrire aussi le tableau en CSV</translation>
    </message>
    <message>
        <source>
Exit status 0 when done; 1 when check finds a question without an answer,
when mark cannot read an answers file or write FILE.csv, or when standard
output cannot be written; 2 with one line on standard error, and nothing done,
for a bad option, a FILE without a good exercise or an asks that names no figure.
</source>
        <translation>
Code de sortie 0 une fois fini ; 1 quand check trouve une question sans réponse,
quand mark ne peut pas lire un fichier de réponses ou écrire FILE.csv, ou quand
la sortie standard ne peut pas être écrite ; 2 avec une ligne sur la sortie
d&apos;erreur, sans rien faire, pour une mauvaise option, un FILE sans exercice
valable ou un asks qui ne nomme aucune valeur.
</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a model but no &quot;exercise&quot;</source>
        <translation>&quot;%1&quot; contient un modèle mais pas d&apos;&quot;exercise&quot;</translation>
    </message>
    <message>
        <source>--student: %1</source>
        <translation>--student : %1</translation>
    </message>
    <message>
        <source>the numbers of %1 break a rule of the model: %2</source>
        <translation>les nombres de %1 enfreignent une règle du modèle : %2</translation>
    </message>
    <message>
        <source>Exercise: %1</source>
        <translation>Exercice : %1</translation>
    </message>
    <message>
        <source>Student: %1</source>
        <translation>Élève : %1</translation>
    </message>
    <message>
        <source>The file&apos;s own numbers (no student)</source>
        <translation>Les nombres du fichier lui-même (pas d&apos;élève)</translation>
    </message>
    <message>
        <source>no answer: this model has no such figure</source>
        <translation>pas de réponse : ce modèle n&apos;a pas cette valeur</translation>
    </message>
    <message>
        <source> (exactly)</source>
        <translation> (exactement)</translation>
    </message>
    <message>
        <source> (within %1 + %2)</source>
        <translation> (à %1 + %2 près)</translation>
    </message>
    <message>
        <source>question %1: &quot;asks&quot; is &quot;%2&quot;, which names no figure of the report</source>
        <translation>question %1 : &quot;asks&quot; vaut &quot;%2&quot;, qui ne nomme aucune valeur du rapport</translation>
    </message>
    <message>
        <source>the file&apos;s numbers</source>
        <translation>les nombres du fichier</translation>
    </message>
    <message>
        <source>with %1: %2</source>
        <translation>avec %1 : %2</translation>
    </message>
    <message>
        <source>question %1 has no answer with %2</source>
        <translation>la question %1 n&apos;a pas de réponse avec %2</translation>
    </message>
    <message>
        <source>question %1 is a near tie with %2: the largest is within 2 % of the next</source>
        <translation>la question %1 est presque à égalité avec %2 : la plus grande est à moins de 2 % de la suivante</translation>
    </message>
    <message>
        <source>all %1 combinations of the varied values</source>
        <translation>les %1 combinaisons des valeurs variées</translation>
    </message>
    <message>
        <source>a sample of %1 combinations of the varied values</source>
        <translation>un échantillon de %1 combinaisons des valeurs variées</translation>
    </message>
    <message>
        <source>1 problem in %1</source>
        <translation>1 problème dans %1</translation>
    </message>
    <message>
        <source>%1 problems in %2</source>
        <translation>%1 problèmes dans %2</translation>
    </message>
    <message>
        <source>Every question has an answer for %1.</source>
        <translation>Chaque question a une réponse pour %1.</translation>
    </message>
    <message>
        <source>unread</source>
        <translation>non lu</translation>
    </message>
    <message>
        <source>OTHER EXERCISE</source>
        <translation>AUTRE EXERCICE</translation>
    </message>
    <message>
        <source>DIFFER</source>
        <translation>DIFFÈRE</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>The number of tries is what each student&apos;s program counted: it cannot be verified.</source>
        <translation>Le nombre d&apos;essais est celui qu&apos;a compté le programme de chaque élève : il ne peut pas être vérifié.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>&quot;%1&quot; n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>no action given: key, check or mark</source>
        <translation>aucune action donnée : key, check ou mark</translation>
    </message>
    <message>
        <source>unknown action %1; did you mean %2?</source>
        <translation>action inconnue %1 ; vouliez-vous dire %2 ?</translation>
    </message>
    <message>
        <source>unknown action %1: key, check or mark</source>
        <translation>action inconnue %1 : key, check ou mark</translation>
    </message>
    <message>
        <source>no FILE given: the model file with the exercise</source>
        <translation>aucun FILE donné : le fichier de modèle avec l&apos;exercice</translation>
    </message>
    <message>
        <source>no ANSWERS given: the answers files to mark</source>
        <translation>aucun ANSWERS donné : les fichiers de réponses à noter</translation>
    </message>
    <message>
        <source>more than one FILE given: %1 and %2</source>
        <translation>plus d&apos;un FILE donné : %1 et %2</translation>
    </message>
    <message>
        <source>the values of a model file (.velmora), a 4-class Leslie
model or a life cycle of any size; the options below
override them, wherever they stand</source>
        <translation>les valeurs d&apos;un fichier de modèle (.velmora), d&apos;un modèle de Leslie
à 4 classes ou d&apos;un cycle de vie de toute taille ; les options
ci-dessous les remplacent, où qu&apos;elles soient</translation>
    </message>
    <message>
        <source>fecundities f0,f1,f2,f3 and survival rates s0,s1,s2 of
the 4-class Leslie model (default 0,1,2,1,0.5,1,0.5)</source>
        <translation>fécondités f0,f1,f2,f3 et taux de survie s0,s1,s2 du
modèle de Leslie à 4 classes (défaut 0,1,2,1,0.5,1,0.5)</translation>
    </message>
    <message>
        <source>a life cycle of any size instead: the names of its 1 to 100
stages, separated by &quot;,&quot; (&quot;seeds,adults&quot;); with
--transitions and --reproduction; not with --matrix</source>
        <translation>à la place, un cycle de vie de toute taille : les noms de ses 1 à 100
stades, séparés par &quot;,&quot; (&quot;seeds,adults&quot;) ; avec
--transitions et --reproduction ; pas avec --matrix</translation>
    </message>
    <message>
        <source>U, survival and growth: one row a stage, rows separated by
&quot;;&quot; and values by &quot;,&quot; (&quot;0,0;0.5,0.8&quot;); row r, column c
is what one member of stage c gives stage r in a step;
each column adds up to at most 1</source>
        <translation>U, survie et croissance : une ligne par stade, lignes séparées par
&quot;;&quot; et valeurs par &quot;,&quot; (&quot;0,0;0.5,0.8&quot;) ; ligne r, colonne c est ce
qu&apos;un membre du stade c donne au stade r en un pas ;
chaque colonne fait au plus 1</translation>
    </message>
    <message>
        <source>F, births, as ROWS (&quot;0,2;0,0&quot;)</source>
        <translation>F, naissances, en ROWS (&quot;0,2;0,0&quot;)</translation>
    </message>
    <message>
        <source>C, clonal reproduction, as ROWS (default none)</source>
        <translation>C, reproduction clonale, en ROWS (défaut : aucune)</translation>
    </message>
    <message>
        <source>N(0): one number a class or stage (default 10 in each)</source>
        <translation>N(0) : un nombre par classe ou stade (défaut 10 dans chacun)</translation>
    </message>
    <message>
        <source>H: one number a class or stage (default 5,0,0,0 for the
4-class model, 0 in each stage of a life cycle)</source>
        <translation>H : un nombre par classe ou stade (défaut 5,0,0,0 pour le
modèle à 4 classes, 0 dans chaque stade d&apos;un cycle de vie)</translation>
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
Chaque valeur doit être un nombre simple (&quot;12&quot;, &quot;-0.5&quot;, &quot;1.5e3&quot;) ; tout le reste
est refusé. Les valeurs sont vérifiées avec les règles de la fenêtre d&apos;édition :
taux de survie de 0 à 1, tout le reste au moins 0, aucun nombre trop grand ; une
valeur contraire à une règle est refusée en nommant son option, la valeur et la
règle. Une option est donnée une fois au plus. Un cycle de vie (--stages, ou un
fichier --model qui en contient un) prend --n0, --harvest et ROWS pour son
nombre de stades ; celui qui est un modèle de Leslie à 4 classes (naissances
dans le premier stade seulement, survie vers le stade suivant seulement) est le
modèle à 4 classes.
</translation>
    </message>
    <message>
        <source>%1: %2 = %3: %4</source>
        <translation>%1 : %2 = %3 : %4</translation>
    </message>
    <message>
        <source>the number is beyond the range of a double</source>
        <translation>le nombre dépasse la plage d&apos;un double</translation>
    </message>
    <message>
        <source>a survival rate must be from 0 to 1</source>
        <translation>un taux de survie doit aller de 0 à 1</translation>
    </message>
    <message>
        <source>a fecundity must be 0 or more</source>
        <translation>une fécondité doit être 0 ou plus</translation>
    </message>
    <message>
        <source>a number of animals must be 0 or more</source>
        <translation>un nombre d&apos;animaux doit être 0 ou plus</translation>
    </message>
    <message>
        <source>a harvest must be 0 or more</source>
        <translation>un prélèvement doit être 0 ou plus</translation>
    </message>
    <message>
        <source>N(0) adds up to a total beyond the range of a double</source>
        <translation>N(0) donne un total qui dépasse la plage d&apos;un double</translation>
    </message>
    <message>
        <source>unknown option %1; did you mean %2?</source>
        <translation>option inconnue %1 ; vouliez-vous dire %2 ?</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;option %1 demande une valeur</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>l&apos;option %1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>option --%1 is given more than once</source>
        <translation>l&apos;option --%1 est donnée plus d&apos;une fois</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;: every value follows its option</source>
        <translation>argument inattendu &quot;%1&quot; : chaque valeur suit son option</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>afficher cette aide</translation>
    </message>
    <message>
        <source>coefficient of variation of each survival rate (default 0);
a rate s whose beta distribution needs a CV below sqrt((1 - s) / s)
takes the largest it allows (rates of 0 and 1 do not vary)</source>
        <translation>coefficient de variation de chaque taux de survie (défaut 0) ;
un taux s dont la loi bêta demande un CV inférieur à sqrt((1 - s) / s)
prend le plus grand permis (les taux 0 et 1 ne varient pas)</translation>
    </message>
    <message>
        <source>the same for each fecundity, 0 to 10 (default 0)</source>
        <translation>la même chose pour chaque fécondité, de 0 à 10 (défaut 0)</translation>
    </message>
    <message>
        <source>whole animals: binomial survivors, Poisson births; N(0) and H
are rounded to whole numbers first</source>
        <translation>animaux entiers : survivants binomiaux, naissances de Poisson ; N(0)
et H sont d&apos;abord arrondis à des nombres entiers</translation>
    </message>
    <message>
        <source>a total below Q, or a total of 0, counts as lost
(default 1)</source>
        <translation>un total sous Q, ou un total de 0, compte comme perdu
(défaut 1)</translation>
    </message>
    <message>
        <source>1 to 100000 (default 1000)</source>
        <translation>1 à 100000 (défaut 1000)</translation>
    </message>
    <message>
        <source>1 to 1000 (default 100)</source>
        <translation>1 à 1000 (défaut 100)</translation>
    </message>
    <message>
        <source>0 to 999999999 (default 1); one seed gives the same result
on any number of threads</source>
        <translation>0 à 999999999 (défaut 1) ; une graine donne le même résultat
quel que soit le nombre de threads</translation>
    </message>
    <message>
        <source>1 to 64 (default: one per core)</source>
        <translation>1 à 64 (défaut : un par cœur)</translation>
    </message>
    <message>
        <source>print one JSON object: risk, mean, deterministic (T + 1
numbers each), percentiles (&quot;5&quot; ... &quot;95&quot;), finalRisk,
finalRiskInterval, logLambdaS (simulated, approximation)</source>
        <translation>afficher un objet JSON : risk, mean, deterministic (T + 1
nombres chacun), percentiles (&quot;5&quot; ... &quot;95&quot;), finalRisk,
finalRiskInterval, logLambdaS (simulated, approximation)</translation>
    </message>
    <message>
        <source>also write the columns t, risk, p5, p25, p50, p75, p95, mean,
deterministic into FILE.csv</source>
        <translation>écrire aussi les colonnes t, risk, p5, p25, p50, p75, p95, mean,
deterministic dans FILE.csv</translation>
    </message>
    <message>
        <source>number of steps (Project/Transit pairs), 0 to 1000
(default 10)</source>
        <translation>nombre de pas (paires Project/Transit), de 0 à 1000
(défaut 10)</translation>
    </message>
    <message>
        <source>after the run, write the four files &quot;Save&quot; writes for the name
BASE.txt: BASE-age structure.txt, BASE-age distribution.txt,
BASE-total population and growth rate.txt and
BASE-growth-birth-death-survival-rate.txt (BASE takes no ending);
a 4-class model only</source>
        <translation>après le calcul, écrire les quatre fichiers que &quot;Save&quot; écrit pour le nom
BASE.txt : BASE-age structure.txt, BASE-age distribution.txt,
BASE-total population and growth rate.txt et
BASE-growth-birth-death-survival-rate.txt (BASE sans extension) ;
un modèle à 4 classes seulement</translation>
    </message>
    <message>
        <source>also write the table printed into FILE as CSV</source>
        <translation>écrire aussi le tableau affiché dans FILE en CSV</translation>
    </message>
    <message>
        <source>one line of at most 100 characters, shown with the model
(default: the title of --model&apos;s file, else none)</source>
        <translation>une ligne d&apos;au plus 100 caractères, montrée avec le modèle
(défaut : le titre du fichier de --model, sinon aucun)</translation>
    </message>
    <message>
        <source>what the student should look for; a line break in TEXT
(bash: $&apos;one\ntwo&apos;) starts a new line (default: the notes
of --model&apos;s file, else none)</source>
        <translation>ce que l&apos;élève doit chercher ; un saut de ligne dans TEXT
(bash : $&apos;one\ntwo&apos;) commence une nouvelle ligne (défaut : les
notes du fichier de --model, sinon aucune)</translation>
    </message>
    <message>
        <source>replace FILE if it is there already</source>
        <translation>remplacer FILE s&apos;il existe déjà</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is there already; give --force to replace it</source>
        <translation>le fichier &quot;%1&quot; existe déjà ; donnez --force pour le remplacer</translation>
    </message>
    <message>
        <source>points of each yield curve, 2 to 10000 (default 200)</source>
        <translation>points de chaque courbe de rendement, de 2 à 10000 (défaut 200)</translation>
    </message>
    <message>
        <source>also project each way at 90 % of its MSY for 60 steps
after one bad year that takes the share F (0 to 1) of
every stage</source>
        <translation>projeter aussi chaque mode à 90 % de son MSY pendant 60 pas
après une mauvaise année qui prend la part F (0 à 1) de
chaque stade</translation>
    </message>
    <message>
        <source>print one JSON object instead of text</source>
        <translation>afficher un objet JSON au lieu du texte</translation>
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
Sans option de modèle, une commande prend le modèle par défaut ; --model FILE
lit un fichier de modèle, --stages avec --transitions et --reproduction un
cycle de vie. &quot;velmora-cli COMMAND --help&quot; ou &quot;velmora-cli help COMMAND&quot; liste
les options d&apos;une commande ; &quot;velmora-cli --version&quot; affiche la version.
--lang CODE (de, en, es, fr) choisit la langue des textes au lieu de celle du
système ; JSON, CSV et les fichiers écrits sont les mêmes dans toutes les
langues.
</translation>
    </message>
    <message>
        <source>Prints what the Analysis window shows for the model, with N(t) = N(0);
as text, a model file&apos;s title comes first. A life cycle of any size is
analysed the same way, its stages by name.
</source>
        <translation>Affiche ce que la fenêtre d&apos;analyse montre pour le modèle, avec N(t) = N(0) ;
en texte, le titre d&apos;un fichier de modèle vient d&apos;abord. Un cycle de vie de
toute taille est analysé de la même façon, ses stades par nom.
</translation>
    </message>
    <message>
        <source>Exit status 0 when done; 1 with one line on standard error when standard output
cannot be written; 2 with one line on standard error, and nothing done, for a bad
option or value.
</source>
        <translation>Code de sortie 0 une fois fini ; 1 avec une ligne sur la sortie d&apos;erreur quand la
sortie standard ne peut pas être écrite ; 2 avec une ligne sur la sortie
d&apos;erreur, sans rien faire, pour une mauvaise option ou valeur.
</translation>
    </message>
    <message>
        <source>--threshold needs a number of animals, 0 or more</source>
        <translation>--threshold demande un nombre d&apos;animaux, 0 ou plus</translation>
    </message>
    <message>
        <source>Model: %1</source>
        <translation>Modèle : %1</translation>
    </message>
    <message>
        <source>print every figure of the model analysis: lambda, stable age distribution,
reproductive values, R0, damping ratio, generation time, harvest
equilibrium, the fate of N(0) under the harvest, the largest constant harvest</source>
        <translation>afficher chaque valeur de l&apos;analyse du modèle : lambda, structure d&apos;âge
stable, valeurs reproductives, R0, rapport d&apos;amortissement, temps de
génération, équilibre avec prélèvement, le sort de N(0) sous le
prélèvement, le plus grand prélèvement constant</translation>
    </message>
    <message>
        <source>Usage: velmora-cli [--lang CODE] COMMAND [OPTIONS]
       velmora-cli help COMMAND
       velmora-cli --version

Commands:
</source>
        <extracomment>The command and option names stay as they are; the lines keep their alignment.</extracomment>
        <translation>Usage : velmora-cli [--lang CODE] COMMAND [OPTIONS]
        velmora-cli help COMMAND
        velmora-cli --version

Commandes :
</translation>
    </message>
    <message>
        <source>%1: %2 (see %1 --help)</source>
        <extracomment>A refused command line: %1 is the program or command (&quot;velmora-cli run&quot;), %2 why.</extracomment>
        <translation>%1: %2 (voir %1 --help)</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>--density is &quot;%1&quot;: it takes beverton-holt, ricker or ceiling</source>
        <translation>--density vaut &quot;%1&quot; : elle prend beverton-holt, ricker ou ceiling</translation>
    </message>
    <message>
        <source>--capacity needs a number above 0</source>
        <translation>--capacity demande un nombre au-dessus de 0</translation>
    </message>
    <message>
        <source>--strategy is &quot;%1&quot;: it takes quota, rate or escapement</source>
        <translation>--strategy vaut &quot;%1&quot; : elle prend quota, rate ou escapement</translation>
    </message>
    <message>
        <source>--level needs a number of at least 0</source>
        <translation>--level demande un nombre d&apos;au moins 0</translation>
    </message>
    <message>
        <source>--density is missing: give beverton-holt, ricker or ceiling</source>
        <translation>--density manque : donnez beverton-holt, ricker ou ceiling</translation>
    </message>
    <message>
        <source>--capacity is missing: give K, the density at rest</source>
        <translation>--capacity manque : donnez K, la densité au repos</translation>
    </message>
    <message>
        <source>--counted-stages names a stage twice or one the model does not have</source>
        <translation>--counted-stages nomme un stade deux fois ou un stade que le modèle n&apos;a pas</translation>
    </message>
    <message>
        <source>--harvest-stages names a stage twice or one the model does not have</source>
        <translation>--harvest-stages nomme un stade deux fois ou un stade que le modèle n&apos;a pas</translation>
    </message>
    <message>
        <source>--strategy needs --level: the quota, rate or escapement to keep</source>
        <translation>--strategy demande --level : le quota, le taux ou l&apos;échappement à tenir</translation>
    </message>
    <message>
        <source>--level needs --strategy: quota, rate or escapement</source>
        <translation>--level demande --strategy : quota, rate ou escapement</translation>
    </message>
    <message>
        <source>--strategy needs density dependence (--density and --capacity): without it, every way of harvesting either loses the population or lets it grow for ever</source>
        <translation>--strategy demande une densité-dépendance (--density et --capacity) : sans elle, tout mode de prélèvement perd la population ou la laisse croître sans fin</translation>
    </message>
    <message>
        <source>--level of a rate is a share from 0 to 1</source>
        <translation>--level d&apos;un taux est une part de 0 à 1</translation>
    </message>
    <message>
        <source>a ceiling</source>
        <extracomment>A form of density dependence, as in &quot;Density dependence: a ceiling, K = 100&quot;.</extracomment>
        <translation>un plafond</translation>
    </message>
    <message>
        <source>an exercise&apos;s answer key for a student, the check of its questions, and the
marks of the answers students hand in</source>
        <translation>le corrigé d&apos;un exercice pour un élève, la vérification de ses questions et
les notes des réponses rendues par les élèves</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>The head of a command&apos;s first syntax line.</extracomment>
        <translation>Usage :</translation>
    </message>
    <message>
        <source>or:</source>
        <extracomment>The head of a command&apos;s second syntax line, under &quot;Usage:&quot;.</extracomment>
        <translation>ou :</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>%1 needs 7 comma-separated values: f0,f1,f2,f3,s0,s1,s2</source>
        <translation>%1 demande 7 valeurs séparées par des virgules : f0,f1,f2,f3,s0,s1,s2</translation>
    </message>
    <message>
        <source>%1 needs 4 comma-separated values</source>
        <translation>%1 demande 4 valeurs séparées par des virgules</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number</source>
        <translation>%1 : &quot;%2&quot; n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>1 stage</source>
        <extracomment>A number of stages, for the %1 of a refusal.</extracomment>
        <translation>1 stade</translation>
    </message>
    <message>
        <source>%1 stages</source>
        <translation>%1 stades</translation>
    </message>
    <message>
        <source>%1: --model&apos;s file gives its model as a life cycle of %2: change it with --transitions and --reproduction</source>
        <extracomment>%2 is a number of stages (&quot;3 stages&quot;).</extracomment>
        <translation>%1 : le fichier de --model donne son modèle comme un cycle de vie de %2 : modifiez-le avec --transitions et --reproduction</translation>
    </message>
    <message>
        <source>%1: a 4-class Leslie matrix cannot be given with %2: give the life cycle&apos;s --transitions and --reproduction instead</source>
        <translation>%1 : une matrice de Leslie à 4 classes ne peut pas être donnée avec %2 : donnez plutôt --transitions et --reproduction du cycle de vie</translation>
    </message>
    <message>
        <source>--model %1</source>
        <translation>--model %1</translation>
    </message>
    <message>
        <source>%1 names %2, and --model&apos;s file has %3: give one name for each of them</source>
        <extracomment>%1 is the option with its value; %2 and %3 are numbers of stages (&quot;3 stages&quot;).</extracomment>
        <translation>%1 nomme %2, et le fichier de --model en a %3 : donnez un nom pour chacun</translation>
    </message>
    <message>
        <source>--stages needs %1 ROWS as well: a life cycle has survival and growth (U) and reproduction (F)</source>
        <translation>--stages demande aussi %1 ROWS : un cycle de vie a survie et croissance (U) et reproduction (F)</translation>
    </message>
    <message>
        <source>%1 needs --stages NAMES, or --model with a file: the stages its values are read for</source>
        <translation>%1 demande --stages NAMES, ou --model avec un fichier : les stades pour lesquels ses valeurs sont lues</translation>
    </message>
    <message>
        <source>--transitions: the column of &quot;%1&quot; adds up to %2: at most all of a stage can survive</source>
        <translation>--transitions : la colonne de &quot;%1&quot; fait %2 : au plus la totalité d&apos;un stade peut survivre</translation>
    </message>
    <message>
        <source>--n0: N(0) adds up to a total beyond the range of a double</source>
        <translation>--n0 : N(0) donne un total qui dépasse la plage d&apos;un double</translation>
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
        <translation>Usage : velmora-cli risk [--model FILE] [--matrix LIST] [--n0 LIST] [--harvest LIST]
                         [--cv-survival X] [--cv-fecundity X] [--demographic]
                         [--threshold Q] [--replicates R] [--steps T] [--seed S]
                         [--threads K] [--json] [--out FILE.csv]
                         [--density FORM --capacity K] [--counted-stages LIST]
                         [--strategy WAY --level X] [--harvest-stages LIST]

Projette le modèle R fois sur T pas avec ses taux vitaux tirés à nouveau chaque
année (chaque taux de survie d&apos;une loi bêta, chaque fécondité d&apos;une loi
log-normale, avec le taux du modèle comme moyenne et le CV donné) et affiche la
probabilité que le total tombe sous Q (ou à 0) en T pas, comme le fait la fenêtre
&quot;Risk under variability...&quot;. Chaque pas est N(t+1) = M(t) N(t) - H, classes
négatives à 0. Un cycle de vie de toute taille (--stages ..., ou un fichier qui
en contient un) part de son N(0) : la survie de chaque stade est tirée et répartie
entre ses devenirs comme dans U, chaque entrée de F et C varie seule.
Avec --density (ou un fichier --model avec densité-dépendance), la reproduction
de chaque année baisse avec la densité à son début, et avec --strategy le
prélèvement est un quota, un taux ou un échappement au lieu de H. log lambda_s
reste celui du modèle sans densité-dépendance.

Options :
</translation>
    </message>
    <message>
        <source>Exit status 0 when done; 1 with one line on standard error when the CSV file
cannot be written (the results are printed all the same), standard output
cannot be written or the run cannot start its threads; 2 with one line on
standard error, and nothing done, for a bad option or value.
</source>
        <translation>Code de sortie 0 une fois fini ; 1 avec une ligne sur la sortie d&apos;erreur
quand le fichier CSV ne peut pas être écrit (les résultats sont affichés
quand même), la sortie standard ne peut pas être écrite ou le calcul ne peut
pas lancer ses threads ; 2 avec une ligne sur la sortie d&apos;erreur, sans rien
faire, pour une mauvaise option ou valeur.
</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>In place of a number that could not be found.</extracomment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Density dependence: %1, K = %2; harvest: H.</source>
        <extracomment>%1 is the form of density dependence (&quot;Beverton-Holt&quot;, &quot;a ceiling&quot;).</extracomment>
        <translation>Densité-dépendance : %1, K = %2 ; prélèvement : H.</translation>
    </message>
    <message>
        <source>Density dependence: %1, K = %2; harvest: a quota of Q = %3 a step.</source>
        <translation>Densité-dépendance : %1, K = %2 ; prélèvement : un quota de Q = %3 par pas.</translation>
    </message>
    <message>
        <source>Density dependence: %1, K = %2; harvest: a rate of h = %3.</source>
        <translation>Densité-dépendance : %1, K = %2 ; prélèvement : un taux de h = %3.</translation>
    </message>
    <message>
        <source>Density dependence: %1, K = %2; harvest: an escapement of E = %3.</source>
        <translation>Densité-dépendance : %1, K = %2 ; prélèvement : un échappement de E = %3.</translation>
    </message>
    <message>
        <source>%1 replicates of %2 steps, seed %3: survival CV %4, fecundity CV %5, whole animals (demographic variation).</source>
        <translation>%1 répétitions de %2 pas, graine %3 : CV de survie %4, CV de fécondité %5, animaux entiers (variation démographique).</translation>
    </message>
    <message>
        <source>%1 replicates of %2 steps, seed %3: survival CV %4, fecundity CV %5, no demographic variation.</source>
        <translation>%1 répétitions de %2 pas, graine %3 : CV de survie %4, CV de fécondité %5, pas de variation démographique.</translation>
    </message>
    <message>
        <source>N(t) = %1 at t = %2</source>
        <translation>N(t) = %1 à t = %2</translation>
    </message>
    <message>
        <source>%1 (rounded to whole animals)</source>
        <translation>%1 (arrondi à des animaux entiers)</translation>
    </message>
    <message>
        <source>Start: %1.</source>
        <extracomment>%1 holds N(0) (and H) of the start, as numbers.</extracomment>
        <translation>Départ : %1.</translation>
    </message>
    <message>
        <source>At t = %1: mean total %2, median %3 (5 % to 95 %: %4 to %5); deterministic %6.</source>
        <translation>À t = %1 : total moyen %2, médiane %3 (5 % à 95 % : %4 à %5) ; déterministe %6.</translation>
    </message>
    <message>
        <source>log lambda_s without harvest: %1 from the replicates, %2 by Tuljapurkar&apos;s approximation.</source>
        <translation>log lambda_s sans prélèvement : %1 d&apos;après les répétitions, %2 d&apos;après l&apos;approximation de Tuljapurkar.</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be written: %2</source>
        <translation>le fichier &quot;%1&quot; n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>%1 écrit</translation>
    </message>
    <message>
        <source>project the model many times with vital rates that vary from year to year and
print the chance of falling below a threshold, with percentiles of the total</source>
        <translation>projeter le modèle de nombreuses fois avec des taux vitaux qui varient d&apos;une
année à l&apos;autre et afficher la probabilité de passer sous un seuil, avec des
percentiles du total</translation>
    </message>
    <message>
        <source>%1: the number is beyond the range of a double</source>
        <translation>%1 : le nombre dépasse la plage d&apos;un double</translation>
    </message>
    <message>
        <source>%1: needs a number from %2 up</source>
        <translation>%1 : demande un nombre à partir de %2</translation>
    </message>
    <message>
        <source>%1: needs a number from %2 to %3</source>
        <translation>%1 : demande un nombre de %2 à %3</translation>
    </message>
    <message>
        <source>%1: needs a whole number from %2 to %3</source>
        <translation>%1 : demande un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>--out needs a file name</source>
        <translation>--out demande un nom de fichier</translation>
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
        <translation>Exécute K paires Project/Transit comme la fenêtre principale et affiche N(t), le
total et le taux de croissance de chaque pas. Il s&apos;arrête plus tôt à un pas
refusé ou à la fin de la simulation, et le dit. Un cycle de vie qui n&apos;est pas un
modèle de Leslie à 4 classes avance comme dans la fenêtre Life cycle, N(t+1) =
(U + F + C) N(t) - H avec les stades négatifs à 0 : une ligne par pas avec t,
chaque stade par nom, le total et le taux de croissance N(t)/N(t-1). Avec
--density (ou un fichier --model avec densité-dépendance), le modèle avance
ainsi, F et C réduits selon la densité, et avec --strategy le prélèvement est un
quota, un taux ou un échappement au lieu de H ; le tableau donne aussi le
rendement de chaque pas.
</translation>
    </message>
    <message>
        <source>Exit status 0 when done; 1 with one line on standard error when a step was
refused (a number beyond the range of a double), a history or CSV file cannot
be written (the files hold the steps that were run; the files before a failed
one stay written) or standard output cannot be written; 2 with one line on
standard error, and nothing done, for a bad option or value.
</source>
        <translation>Code de sortie 0 une fois fini ; 1 avec une ligne sur la sortie d&apos;erreur
quand un pas a été refusé (un nombre qui dépasse la plage d&apos;un double), qu&apos;un
fichier d&apos;historique ou CSV ne peut pas être écrit (les fichiers contiennent
les pas exécutés ; les fichiers avant un échec restent écrits) ou que la
sortie standard ne peut pas être écrite ; 2 avec une ligne sur la sortie
d&apos;erreur, sans rien faire, pour une mauvaise option ou valeur.
</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>growth rate</source>
        <extracomment>A column head of the run table: N(t)/N(t-1).</extracomment>
        <translation>taux de croissance</translation>
    </message>
    <message>
        <source>yield</source>
        <extracomment>A column head of the run table: what the harvest took in the step.</extracomment>
        <translation>rendement</translation>
    </message>
    <message>
        <source>Ran %1 Project/Transit pairs.</source>
        <translation>%1 paires Project/Transit exécutées.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 Project/Transit pairs.</source>
        <translation>Arrêt après %1 des %2 paires Project/Transit.</translation>
    </message>
    <message>
        <source>The projection to t = %1 was rejected: Population size = 0. %2</source>
        <translation>La projection à t = %1 a été refusée : taille de la population = 0. %2</translation>
    </message>
    <message>
        <source>Population size = 0.  End of simulation.</source>
        <translation>Taille de la population = 0.  Fin de la simulation.</translation>
    </message>
    <message>
        <source>Ran 1 step.</source>
        <translation>1 pas exécuté.</translation>
    </message>
    <message>
        <source>Ran %1 steps.</source>
        <translation>%1 pas exécutés.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 steps.</source>
        <translation>Arrêt après %1 des %2 pas.</translation>
    </message>
    <message>
        <source>Population size = 0 at t = %1: nothing is left to project. %2</source>
        <translation>Taille de la population = 0 à t = %1 : il ne reste rien à projeter. %2</translation>
    </message>
    <message>
        <source>The step to t = %1 gives a number beyond the range of a double. %2</source>
        <translation>Le pas vers t = %1 donne un nombre qui dépasse la plage d&apos;un double. %2</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be written: %2; the files after it were not written</source>
        <translation>le fichier &quot;%1&quot; n&apos;a pas pu être écrit : %2 ; les fichiers suivants n&apos;ont pas été écrits</translation>
    </message>
    <message>
        <source>--steps needs a whole number from 0 to %1</source>
        <translation>--steps demande un nombre entier de 0 à %1</translation>
    </message>
    <message>
        <source>--out needs a base name</source>
        <translation>--out demande un nom de base</translation>
    </message>
    <message>
        <source>--out &quot;%1&quot; names a folder; give a base name in it, such as &quot;%1run&quot;</source>
        <translation>--out &quot;%1&quot; nomme un dossier ; donnez un nom de base dedans, comme &quot;%1run&quot;</translation>
    </message>
    <message>
        <source>--csv &quot;%1&quot; needs a file name</source>
        <translation>--csv &quot;%1&quot; demande un nom de fichier</translation>
    </message>
    <message>
        <source>--out &quot;%1&quot;: the four history files are those of a 4-class model, and this model is a life cycle of %2 stages: write its table with --csv FILE</source>
        <translation>--out &quot;%1&quot; : les quatre fichiers d&apos;historique sont ceux d&apos;un modèle à 4 classes, et ce modèle est un cycle de vie de %2 stades : écrivez son tableau avec --csv FILE</translation>
    </message>
    <message>
        <source>--out &quot;%1&quot;: the four history files are those of the linear model, and this run has density dependence: write its table with --csv FILE</source>
        <translation>--out &quot;%1&quot; : les quatre fichiers d&apos;historique sont ceux du modèle linéaire, et ce calcul a une densité-dépendance : écrivez son tableau avec --csv FILE</translation>
    </message>
    <message>
        <source>run Project/Transit steps of a model or a life cycle, print every step,
write the table with --csv and, with --out, the four history files
that &quot;Save&quot; writes</source>
        <translation>exécuter des pas Project/Transit d&apos;un modèle ou d&apos;un cycle de vie, afficher
chaque pas, écrire le tableau avec --csv et, avec --out, les quatre fichiers
d&apos;historique qu&apos;écrit &quot;Save&quot;</translation>
    </message>
    <message>
        <source>Writes a model file (.velmora) that &quot;Open model...&quot; of the main window and
--model read: the default model, or the model of --model, with the other
model options over it. A FILE without an ending gets &quot;.velmora&quot;. A file
already there is left as it is, unless --force is given. A 4-class Leslie
model is written as a version 1 file, any other life cycle as version 2; the
source of --model&apos;s file is kept.
</source>
        <translation>Écrit un fichier de modèle (.velmora) que lisent &quot;Open model...&quot; de la fenêtre
principale et --model : le modèle par défaut, ou celui de --model, avec les
autres options de modèle par-dessus. Un FILE sans extension reçoit &quot;.velmora&quot;.
Un fichier déjà présent est laissé tel quel, sauf avec --force. Un modèle de
Leslie à 4 classes est écrit comme fichier de version 1, tout autre cycle de vie
en version 2 ; la source du fichier de --model est conservée.
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
Code de sortie 0 une fois écrit ; 1 avec une ligne sur la sortie d&apos;erreur
quand le fichier ne peut pas être écrit (un fichier déjà présent reste tel
qu&apos;il était) ; 2 avec une ligne sur la sortie d&apos;erreur, sans rien écrire, pour
une mauvaise option ou valeur, ou pour un FILE déjà présent sans --force.
</translation>
    </message>
    <message>
        <source>more than one FILE given: &quot;%1&quot; and &quot;%2&quot;</source>
        <translation>plus d&apos;un FILE donné : &quot;%1&quot; et &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no FILE given: the model file to write comes last</source>
        <translation>aucun FILE donné : le fichier de modèle à écrire vient en dernier</translation>
    </message>
    <message>
        <source>FILE &quot;%1&quot; names a folder</source>
        <translation>FILE &quot;%1&quot; nomme un dossier</translation>
    </message>
    <message>
        <source>write a model file (.velmora) for the main window&apos;s &quot;Open model...&quot; and
--model</source>
        <translation>écrire un fichier de modèle (.velmora) pour &quot;Open model...&quot; de la fenêtre
principale et --model</translation>
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
        <translation>Usage : velmora-cli yield [--model FILE] [--matrix LIST] [--n0 LIST] [--harvest LIST]
                          --density FORM --capacity K [--counted-stages LIST]
                          [--harvest-stages LIST] [--points N] [--shock F] [--json]

Donne au modèle une densité-dépendance sur sa reproduction et compare trois
modes de prélèvement : un quota fixe Q, un taux fixe h et un échappement fixe E.
Pour chacun : la courbe de rendement une fois la population stabilisée, son
maximum (MSY) et où il se trouve, le niveau à 90 % du MSY, et la plus petite
perte en une mauvaise année qui mène ensuite la population à 0.

Options :
</translation>
    </message>
    <message>
        <source>Exit status 0 when done; 1 with one line on standard error when standard output
cannot be written; 2 with one line on standard error, and nothing done, for a bad
option or value, or a model that cannot settle at K (R0 of at most 1).
</source>
        <translation>Code de sortie 0 une fois fini ; 1 avec une ligne sur la sortie d&apos;erreur quand la
sortie standard ne peut pas être écrite ; 2 avec une ligne sur la sortie
d&apos;erreur, sans rien faire, pour une mauvaise option ou valeur, ou un modèle qui
ne peut pas se stabiliser à K (R0 d&apos;au plus 1).
</translation>
    </message>
    <message>
        <source>--points needs a whole number from 2 to 10000</source>
        <translation>--points demande un nombre entier de 2 à 10000</translation>
    </message>
    <message>
        <source>--shock needs a share from 0 to 1</source>
        <translation>--shock demande une part de 0 à 1</translation>
    </message>
    <message>
        <source>--density and --capacity are missing: give the form (beverton-holt, ricker or ceiling) and K, the density at rest</source>
        <translation>--density et --capacity manquent : donnez la forme (beverton-holt, ricker ou ceiling) et K, la densité au repos</translation>
    </message>
    <message>
        <source>no positive population rests at K without harvest</source>
        <translation>aucune population positive ne reste à K sans prélèvement</translation>
    </message>
    <message>
        <source>Density dependence: %1, K = %2, R0 = %3, b = %4</source>
        <translation>Densité-dépendance : %1, K = %2, R0 = %3, b = %4</translation>
    </message>
    <message>
        <source>Density dependence: %1, K = %2, R0 = %3</source>
        <translation>Densité-dépendance : %1, K = %2, R0 = %3</translation>
    </message>
    <message>
        <source>At rest without harvest, %1 in all:</source>
        <translation>Au repos sans prélèvement, %1 en tout :</translation>
    </message>
    <message>
        <source>way</source>
        <extracomment>Column heads of the yield table: kept short, the table has fixed columns.</extracomment>
        <translation>mode</translation>
    </message>
    <message>
        <source>MSY</source>
        <translation>MSY</translation>
    </message>
    <message>
        <source>at</source>
        <extracomment>Column head: the level (Q, h or E) at which the MSY lies.</extracomment>
        <translation>à</translation>
    </message>
    <message>
        <source>total at MSY</source>
        <translation>total au MSY</translation>
    </message>
    <message>
        <source>90 % of MSY at</source>
        <translation>90 % du MSY à</translation>
    </message>
    <message>
        <source>unstable rest</source>
        <translation>repos instable</translation>
    </message>
    <message>
        <source>smallest fatal loss</source>
        <translation>plus petite perte fatale</translation>
    </message>
    <message>
        <source>none short of all</source>
        <extracomment>No loss short of the whole population is fatal.</extracomment>
        <translation>seulement tout</translation>
    </message>
    <message>
        <source>Under the %1 the population has no stable rest at its MSY: the yield is the mean over a cycle of %2 steps.</source>
        <extracomment>%1 is the way of harvesting as typed: quota, rate or escapement.</extracomment>
        <translation>Avec %1, la population n&apos;a pas de repos stable à son MSY : le rendement est la moyenne sur un cycle de %2 pas.</translation>
    </message>
    <message>
        <source>Under the %1 the population has no stable rest at its MSY: it swings irregularly (chaos), and the yield is the mean over 600 steps.</source>
        <translation>Avec %1, la population n&apos;a pas de repos stable à son MSY : elle oscille de façon irrégulière (chaos), et le rendement est la moyenne sur 600 pas.</translation>
    </message>
    <message>
        <source>Total after one bad year that takes %1 % of every stage, each way at 90 % of its MSY:</source>
        <translation>Total après une mauvaise année qui prend %1 % de chaque stade, chaque mode à 90 % de son MSY :</translation>
    </message>
    <message>
        <source>give the model density dependence and compare the yield curves, MSY and the
one bad year each of a quota, a rate and an escapement survives</source>
        <translation>donner au modèle une densité-dépendance et comparer les courbes de
rendement, le MSY et la mauvaise année à laquelle survivent un quota, un
taux et un échappement</translation>
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
        <translation>Clic droit dans cette fenêtre (ou touche Menu) : analyse, fichiers de modèle, exemples et plus.</translation>
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
    <message>
        <source>A new language: translations/velmora_xx.ts and a line in language/CMakeLists.txt (see the README).</source>
        <extracomment>How a class adds its own language: keep the file and folder names as they are.</extracomment>
        <translation>Nouvelle langue : translations/velmora_xx.ts et une ligne dans language/CMakeLists.txt.</translation>
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
    <name>Density</name>
    <message>
        <source>K, the density at rest, must be a number above 0.</source>
        <translation>K, la densité à l&apos;équilibre, doit être un nombre supérieur à 0.</translation>
    </message>
    <message>
        <source>The stages counted in the density must be stages of the model, each named once.</source>
        <translation>Les stades comptés dans la densité doivent être des stades du modèle, chacun nommé une seule fois.</translation>
    </message>
    <message>
        <source>A stage never dies, so R0 has no value and K cannot set the density dependence.</source>
        <translation>Un stade ne meurt jamais, donc R0 n&apos;a pas de valeur et K ne peut pas fixer la dépendance à la densité.</translation>
    </message>
    <message>
        <source>R0 is %1: a population that cannot more than replace itself when sparse never settles at K.</source>
        <extracomment>%1 is the net reproductive rate R0 of the life cycle, at most 1.</extracomment>
        <translation>R0 vaut %1 : une population qui ne peut pas plus que se remplacer quand elle est clairsemée ne se stabilise jamais à K.</translation>
    </message>
    <message>
        <source>The life cycle does not pass its checks, so it cannot take density dependence.</source>
        <translation>Le cycle de vie ne passe pas ses vérifications, il ne peut donc pas recevoir de dépendance à la densité.</translation>
    </message>
</context>
<context>
    <name>Stochastic</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list: &quot;s0, s1 and s2&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>The number of replicates must be from 1 to %1.</source>
        <translation>Le nombre de répétitions doit être compris entre 1 et %1.</translation>
    </message>
    <message>
        <source>The number of steps must be from 1 to %1.</source>
        <translation>Le nombre de pas doit être compris entre 1 et %1.</translation>
    </message>
    <message>
        <source>The seed must be from 0 to %1.</source>
        <translation>La graine doit être comprise entre 0 et %1.</translation>
    </message>
    <message>
        <source>The number of threads must be from 1 to %1.</source>
        <translation>Le nombre de threads doit être compris entre 1 et %1.</translation>
    </message>
    <message>
        <source>The survival CV must be a number of at least 0.</source>
        <extracomment>CV: coefficient of variation.</extracomment>
        <translation>Le CV de la survie doit être un nombre d&apos;au moins 0.</translation>
    </message>
    <message>
        <source>The fecundity CV must be a number from 0 to %1.</source>
        <translation>Le CV de la fécondité doit être un nombre compris entre 0 et %1.</translation>
    </message>
    <message>
        <source>The threshold must be a number of at least 0.</source>
        <translation>Le seuil doit être un nombre d&apos;au moins 0.</translation>
    </message>
    <message>
        <source>The harvested stages must be stages of the model, each named once.</source>
        <translation>Les stades prélevés doivent être des stades du modèle, chacun nommé une seule fois.</translation>
    </message>
    <message>
        <source>The level of the harvest must be a number of at least 0.</source>
        <translation>Le niveau du prélèvement doit être un nombre d&apos;au moins 0.</translation>
    </message>
    <message>
        <source>A harvest rate is a share from 0 to 1.</source>
        <translation>Un taux de prélèvement est une part comprise entre 0 et 1.</translation>
    </message>
    <message>
        <source>The run could not start a worker thread (%1); close other programs or ask for fewer threads.</source>
        <extracomment>%1 is the system&apos;s reason, in English.</extracomment>
        <translation>Le calcul n&apos;a pas pu lancer de thread de travail (%1) ; fermez d&apos;autres programmes ou demandez moins de threads.</translation>
    </message>
    <message>
        <source>The fecundity %1 = %2 must be a number of at least 0.</source>
        <extracomment>%1 is the rate&apos;s symbol &quot;f2&quot;, %2 its value.</extracomment>
        <translation>La fécondité %1 = %2 doit être un nombre d&apos;au moins 0.</translation>
    </message>
    <message>
        <source>The survival rate %1 = %2 must be from 0 to 1.</source>
        <extracomment>%1 is the rate&apos;s symbol &quot;s0&quot;, %2 its value.</extracomment>
        <translation>Le taux de survie %1 = %2 doit être compris entre 0 et 1.</translation>
    </message>
    <message>
        <source>N(t) must hold numbers of at least 0.</source>
        <translation>N(t) doit contenir des nombres d&apos;au moins 0.</translation>
    </message>
    <message>
        <source>H must hold numbers of at least 0.</source>
        <translation>H doit contenir des nombres d&apos;au moins 0.</translation>
    </message>
    <message>
        <source>A life cycle has from 1 to %1 stages.</source>
        <translation>Un cycle de vie a de 1 à %1 stades.</translation>
    </message>
    <message>
        <source>The survival of stage %1 (its column of U) sums to more than 1.</source>
        <extracomment>%1 is the name of a stage, as the user typed it.</extracomment>
        <translation>La survie du stade %1 (sa colonne de U) a une somme supérieure à 1.</translation>
    </message>
    <message>
        <source>The life cycle must hold numbers of at least 0.</source>
        <translation>Le cycle de vie doit contenir des nombres d&apos;au moins 0.</translation>
    </message>
    <message>
        <source>Every matrix and vector of the life cycle must match its number of stages.</source>
        <translation>Chaque matrice et chaque vecteur du cycle de vie doivent correspondre à son nombre de stades.</translation>
    </message>
    <message>
        <source>Every stage needs a name of its own.</source>
        <translation>Chaque stade doit avoir son propre nom.</translation>
    </message>
    <message>
        <source>Risk of falling below %1 within 1 step: %2 % (95 % interval %3 - %4 %)</source>
        <extracomment>%1 is a number of animals, %2 the risk in %, %3 - %4 its 95 % interval.</extracomment>
        <translation>Risque de passer sous %1 en 1 pas : %2 % (intervalle à 95 % %3 - %4 %)</translation>
    </message>
    <message>
        <source>Risk of falling below %1 within %2 steps: %3 % (95 % interval %4 - %5 %)</source>
        <extracomment>%1 is a number of animals, %2 a number of steps, %3 the risk in %, %4 - %5 its 95 % interval.</extracomment>
        <translation>Risque de passer sous %1 en %2 pas : %3 % (intervalle à 95 % %4 - %5 %)</translation>
    </message>
    <message>
        <source>Risk of dying out within 1 step: %1 % (95 % interval %2 - %3 %)</source>
        <extracomment>%1 is the risk in %, %2 - %3 its 95 % interval.</extracomment>
        <translation>Risque d&apos;extinction en 1 pas : %1 % (intervalle à 95 % %2 - %3 %)</translation>
    </message>
    <message>
        <source>Risk of dying out within %1 steps: %2 % (95 % interval %3 - %4 %)</source>
        <extracomment>%1 is a number of steps, %2 the risk in %, %3 - %4 its 95 % interval.</extracomment>
        <translation>Risque d&apos;extinction en %1 pas : %2 % (intervalle à 95 % %3 - %4 %)</translation>
    </message>
    <message>
        <source>A survival CV of %1 is too large for %2: it varies with a CV of %3, the largest its beta distribution allows.</source>
        <extracomment>%1 is the CV asked for, %2 a survival rate &quot;s1 = 0.9&quot;, %3 the CV it takes.</extracomment>
        <translation>Un CV de la survie de %1 est trop grand pour %2 : il varie avec un CV de %3, le plus grand que sa loi bêta permet.</translation>
    </message>
    <message>
        <source>A survival CV of %1 is too large for %2: they vary with CVs of %3, the largest their beta distributions allow.</source>
        <extracomment>%1 is the CV asked for, %2 lists survival rates &quot;s1 = 0.9 and s2 = 0.95&quot;, %3 the CVs they take.</extracomment>
        <translation>Un CV de la survie de %1 est trop grand pour %2 : ils varient avec des CV de %3, les plus grands que leurs lois bêta permettent.</translation>
    </message>
    <message>
        <source>%1 = 1 is held fixed whatever the CV.</source>
        <extracomment>%1 is a survival rate &quot;s2&quot;.</extracomment>
        <translation>%1 = 1 reste fixe quel que soit le CV.</translation>
    </message>
    <message>
        <source>%1 = 1 are held fixed whatever the CV.</source>
        <extracomment>%1 lists survival rates &quot;s1 and s2&quot;.</extracomment>
        <translation>%1 = 1 restent fixes quel que soit le CV.</translation>
    </message>
    <message>
        <source>The beta of %1 is U-shaped: years in which nearly none or nearly all survive are the likeliest.</source>
        <extracomment>%1 is a survival rate with its beta&apos;s shape: &quot;s0 (a = 0.5, b = 0.4)&quot;.</extracomment>
        <translation>La loi bêta de %1 est en forme de U : les années où presque aucun ou presque tous survivent sont les plus probables.</translation>
    </message>
    <message>
        <source>The betas of %1 are U-shaped: years in which nearly none or nearly all survive are the likeliest.</source>
        <translation>Les lois bêta de %1 sont en forme de U : les années où presque aucun ou presque tous survivent sont les plus probables.</translation>
    </message>
</context>
<context>
    <name>AnalysisReport</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list: &quot;a, b and c&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>class %1</source>
        <extracomment>%1 is the number of an age class: &quot;class 2&quot;.</extracomment>
        <translation>classe %1</translation>
    </message>
    <message>
        <source>stage %1</source>
        <extracomment>%1 is the name of a stage of a life cycle: &quot;stage seeds&quot;.</extracomment>
        <translation>stade %1</translation>
    </message>
    <message>
        <source>classes %1</source>
        <extracomment>%1 lists the numbers of age classes: &quot;classes 1 and 2&quot;.</extracomment>
        <translation>classes %1</translation>
    </message>
    <message>
        <source>stages %1</source>
        <extracomment>%1 lists the names of stages: &quot;stages seeds and rosettes&quot;.</extracomment>
        <translation>stades %1</translation>
    </message>
    <message>
        <source>total</source>
        <extracomment>Column header: the sum of all stages.</extracomment>
        <translation>total</translation>
    </message>
    <message>
        <source>The eigenvalue computation did not converge for this matrix: no eigen-figures are given.</source>
        <translation>Le calcul des valeurs propres n&apos;a pas convergé pour cette matrice : aucune grandeur propre n&apos;est donnée.</translation>
    </message>
    <message>
        <source>%1 has a negative entry, so it is not a population matrix: lambda and the figures that rest on it do not exist.</source>
        <extracomment>%1 is the letter of the projection matrix (M or A).</extracomment>
        <translation>%1 a un élément négatif, ce n&apos;est donc pas une matrice de population : lambda et les grandeurs qui en dépendent n&apos;existent pas.</translation>
    </message>
    <message>
        <source>No stage ever leads back to births: every population is gone within %1 steps.</source>
        <translation>Aucun stade ne ramène jamais à des naissances : toute population disparaît en %1 pas.</translation>
    </message>
    <message>
        <source>No class ever leads back to births: every population is gone within four steps.</source>
        <translation>Aucune classe ne ramène jamais à des naissances : toute population disparaît en quatre pas.</translation>
    </message>
    <message>
        <source>lambda and the other eigenvalues were found, but the eigenvector step failed for this matrix: the stable distribution, the reproductive values and what rests on them are not given.</source>
        <translation>lambda et les autres valeurs propres ont été trouvées, mais le calcul du vecteur propre a échoué pour cette matrice : la distribution stable, les valeurs reproductives et ce qui en dépend ne sont pas donnés.</translation>
    </message>
    <message>
        <source>lambda = 1 to within rounding: without harvest the population neither grows nor declines in the long run.</source>
        <translation>lambda = 1 à l&apos;arrondi près : sans prélèvement la population ne croît ni ne décroît à long terme.</translation>
    </message>
    <message>
        <source>%1 is reducible, so the stable distribution is not reached from every start.</source>
        <translation>%1 est réductible, la distribution stable n&apos;est donc pas atteinte depuis tout départ.</translation>
    </message>
    <message>
        <source>Members of %1 never lead to new births: a population of these alone dies out.</source>
        <extracomment>%1 names classes or stages: &quot;classes 2 and 3&quot;.</extracomment>
        <translation>Les membres de %1 ne mènent jamais à de nouvelles naissances : une population formée d&apos;eux seuls s&apos;éteint.</translation>
    </message>
    <message>
        <source>The offspring of %1 never reach %2.</source>
        <translation>Les descendants de %1 n&apos;atteignent jamais %2.</translation>
    </message>
    <message>
        <source>%1 is imprimitive (period %2): N(t) keeps oscillating with this period instead of settling into the stable distribution.</source>
        <translation>%1 est imprimitive (période %2) : N(t) continue d&apos;osciller avec cette période au lieu de se stabiliser dans la distribution stable.</translation>
    </message>
    <message>
        <source>%1 is primitive (some power of %1 has no zero cell): from every start N(t) approaches the stable distribution.</source>
        <translation>%1 est primitive (une puissance de %1 n&apos;a aucune case nulle) : depuis tout départ N(t) s&apos;approche de la distribution stable.</translation>
    </message>
    <message>
        <source>Another eigenvalue is as large as lambda in modulus: N(t) need not settle into the stable distribution.</source>
        <translation>Une autre valeur propre a le même module que lambda : N(t) peut ne pas se stabiliser dans la distribution stable.</translation>
    </message>
    <message>
        <source>The dominant eigenvalue is repeated: the long-run distribution depends on the start.</source>
        <translation>La valeur propre dominante est multiple : la distribution à long terme dépend du départ.</translation>
    </message>
    <message>
        <source>A is ergodic: every stage has a reproductive value above 0, so every start ends in the same stable distribution.</source>
        <translation>A est ergodique : chaque stade a une valeur reproductive supérieure à 0, donc tout départ aboutit à la même distribution stable.</translation>
    </message>
    <message>
        <source>A is not ergodic: %1 never lead to reproduction, so their reproductive value is 0.</source>
        <translation>A n&apos;est pas ergodique : %1 ne mènent jamais à la reproduction, leur valeur reproductive est donc 0.</translation>
    </message>
    <message>
        <source>A is not ergodic: some stage has a reproductive value of 0.</source>
        <translation>A n&apos;est pas ergodique : un stade a une valeur reproductive de 0.</translation>
    </message>
    <message>
        <source>%1 animal</source>
        <translation>%1 animal</translation>
    </message>
    <message>
        <source>%1 animals</source>
        <extracomment>%1 is a number of animals other than 1: &quot;0.5 animals&quot;, &quot;2 animals&quot;.</extracomment>
        <translation>%1 animaux</translation>
    </message>
    <message>
        <source>at %1 or more</source>
        <extracomment>What N(t) keeps, after &quot;N(t) stays&quot;: %1 is &quot;1 animal&quot; or &quot;2.5 animals&quot;.</extracomment>
        <translation>à %1 ou plus</translation>
    </message>
    <message>
        <source>above 0</source>
        <extracomment>What N(t) keeps, after &quot;N(t) stays&quot;.</extracomment>
        <translation>au-dessus de 0</translation>
    </message>
    <message>
        <source>none: with lambda = 1 no constant harvest is sustainable for ever.</source>
        <translation>aucun : avec lambda = 1 aucun prélèvement constant n&apos;est durable pour toujours.</translation>
    </message>
    <message>
        <source>none: with lambda below 1 no constant harvest is sustainable for ever.</source>
        <translation>aucun : avec lambda inférieur à 1 aucun prélèvement constant n&apos;est durable pour toujours.</translation>
    </message>
    <message>
        <source>N(t) already totals less than %1: the population counts as gone.</source>
        <translation>N(t) totalise déjà moins de %1 : la population est considérée comme disparue.</translation>
    </message>
    <message>
        <source>falls below %1 at %2 (step %3 from now): the population counts as gone.</source>
        <extracomment>Said of N(t): %1 is &quot;1 animal&quot;, %2 a time &quot;t = 7&quot;, %3 a number of steps.</extracomment>
        <translation>passe sous %1 à %2 (pas %3 à partir de maintenant) : la population est considérée comme disparue.</translation>
    </message>
    <message>
        <source>grows without bound: beyond the range of numbers at %1 (step %2).</source>
        <extracomment>Said of N(t): %1 is a time &quot;t = 7&quot;, %2 a number of steps.</extracomment>
        <translation>croît sans limite : au-delà de la plage des nombres à %1 (pas %2).</translation>
    </message>
    <message>
        <source>grows without bound: total %1 at %2 and still growing.</source>
        <extracomment>Said of N(t): %1 is its total, %2 a time &quot;t = 1000&quot;.</extracomment>
        <translation>croît sans limite : total %1 à %2 et croît encore.</translation>
    </message>
    <message>
        <source>settles at %1, total %2.</source>
        <extracomment>Said of N(t): %1 is the vector it settles at, %2 its total.</extracomment>
        <translation>se stabilise à %1, total %2.</translation>
    </message>
    <message>
        <source>reaches 0: the projection to %1 (step %2 from now) is rejected.</source>
        <extracomment>Said of N(t): %1 is a time &quot;t = 7&quot;, %2 a number of steps.</extracomment>
        <translation>atteint 0 : la projection vers %1 (pas %2 à partir de maintenant) est refusée.</translation>
    </message>
    <message>
        <source>N(t) is already 0: the next projection ends the simulation.</source>
        <translation>N(t) vaut déjà 0 : la prochaine projection termine la simulation.</translation>
    </message>
    <message>
        <source>declines towards 0 without reaching it within %1 steps (total %2 at %3).</source>
        <extracomment>Said of N(t): %1 is a number of steps, %2 its total, %3 a time &quot;t = 1000&quot;.</extracomment>
        <translation>décroît vers 0 sans l&apos;atteindre en %1 pas (total %2 à %3).</translation>
    </message>
    <message>
        <source>neither grows, settles nor reaches 0 within %1 steps.</source>
        <extracomment>Said of N(t): %1 is a number of steps.</extracomment>
        <translation>ni ne croît, ni ne se stabilise, ni n&apos;atteint 0 en %1 pas.</translation>
    </message>
    <message>
        <source>Harvest equilibrium N* = (%1 - I)^-1 H</source>
        <translation>Équilibre sous prélèvement N* = (%1 - I)^-1 H</translation>
    </message>
    <message>
        <source>%1 - I is singular (%1 has the eigenvalue 1): there is no single harvest equilibrium.</source>
        <translation>%1 - I est singulière (%1 a la valeur propre 1) : il n&apos;y a pas d&apos;équilibre unique sous prélèvement.</translation>
    </message>
    <message>
        <source>N* = %1 has a negative class: no population stays unchanged under this harvest.</source>
        <translation>N* = %1 a une classe négative : aucune population ne reste inchangée sous ce prélèvement.</translation>
    </message>
    <message>
        <source>N* = %1 has a negative stage: no population stays unchanged under this harvest.</source>
        <translation>N* = %1 a un stade négatif : aucune population ne reste inchangée sous ce prélèvement.</translation>
    </message>
    <message>
        <source>Without harvest the only equilibrium is the empty population.</source>
        <translation>Sans prélèvement le seul équilibre est la population vide.</translation>
    </message>
    <message>
        <source>Unstable, and not by its total: a population whose reproductive value v.N lies above v.N* grows, one below it dies out, whatever its total.</source>
        <translation>Instable, et pas selon son total : une population dont la valeur reproductive v.N est au-dessus de v.N* croît, une au-dessous s&apos;éteint, quel que soit son total.</translation>
    </message>
    <message>
        <source>v.N(t) = %1 lies above v.N*: v.N(t+1) = lambda v.N(t) - v.H grows every step, so N(t) grows for ever under H.</source>
        <translation>v.N(t) = %1 est au-dessus de v.N* : v.N(t+1) = lambda v.N(t) - v.H croît à chaque pas, donc N(t) croît pour toujours sous H.</translation>
    </message>
    <message>
        <source>lambda = 1 and H takes nothing of v.N(t): it stays at %1.</source>
        <translation>lambda = 1 et H ne prend rien de v.N(t) : il reste à %1.</translation>
    </message>
    <message>
        <source>v.N(t) = %1 equals v.N*: it stays there, a knife edge that the least change tips.</source>
        <translation>v.N(t) = %1 est égal à v.N* : il y reste, en équilibre sur le fil que le moindre changement fait basculer.</translation>
    </message>
    <message>
        <source>v.N(t) = 0: N(t) holds no animal that will still breed, so it dies out.</source>
        <translation>v.N(t) = 0 : N(t) ne contient aucun animal qui se reproduira encore, donc il s&apos;éteint.</translation>
    </message>
    <message>
        <source>lambda is below 1: v.N(t) falls even without harvest, and N(t) with it. No constant harvest is sustainable for ever.</source>
        <translation>lambda est inférieur à 1 : v.N(t) baisse même sans prélèvement, et N(t) avec lui. Aucun prélèvement constant n&apos;est durable pour toujours.</translation>
    </message>
    <message>
        <source>lambda = 1: v.N(t) falls by v.H = %1 every step, so any constant harvest empties the population in the end, after about v.N(t) / v.H = %2 steps.</source>
        <translation>lambda = 1 : v.N(t) baisse de v.H = %1 à chaque pas, donc tout prélèvement constant finit par vider la population, après environ v.N(t) / v.H = %2 pas.</translation>
    </message>
    <message>
        <source>v.N(t) = %1 lies below v.N*: v.N(t) falls faster every step, so N(t) falls to 0 under H.</source>
        <translation>v.N(t) = %1 est au-dessous de v.N* : v.N(t) baisse de plus en plus vite, donc N(t) tombe à 0 sous H.</translation>
    </message>
    <message>
        <source>The rule said otherwise, but in step %1 H takes more than a class holds: from then on the harvest takes less than H and the rule no longer holds.</source>
        <translation>La règle disait autre chose, mais au pas %1 H prend plus que ce que contient une classe : dès lors le prélèvement prend moins que H et la règle ne vaut plus.</translation>
    </message>
    <message>
        <source>The rule said otherwise, but in step %1 H takes more than a stage holds: from then on the harvest takes less than H and the rule no longer holds.</source>
        <translation>La règle disait autre chose, mais au pas %1 H prend plus que ce que contient un stade : dès lors le prélèvement prend moins que H et la règle ne vaut plus.</translation>
    </message>
    <message>
        <source>The rule says it is lost, only later than the %1 steps the projection runs.</source>
        <translation>Selon la règle elle est perdue, seulement plus tard que les %1 pas de la projection.</translation>
    </message>
    <message>
        <source>The rule said it grows, but on the way N(t) dips below %1.</source>
        <translation>Selon la règle elle croît, mais en chemin N(t) passe sous %1.</translation>
    </message>
    <message>
        <source>H is 0: s* x %1 = %2 is the most that N(t) yields for ever, as long as no class runs short of it, so that every step&apos;s harvest is taken in full.</source>
        <extracomment>%1 is the unit harvest (1, 0, 0, 0), %2 the largest harvest in its direction.</extracomment>
        <translation>H vaut 0 : s* x %1 = %2 est le maximum que N(t) fournit pour toujours, tant qu&apos;aucune classe n&apos;en manque, de sorte que le prélèvement de chaque pas est pris en entier.</translation>
    </message>
    <message>
        <source>H is 0: s* x %1 = %2 is the most that N(t) yields for ever, as long as no stage runs short of it, so that every step&apos;s harvest is taken in full.</source>
        <translation>H vaut 0 : s* x %1 = %2 est le maximum que N(t) fournit pour toujours, tant qu&apos;aucun stade n&apos;en manque, de sorte que le prélèvement de chaque pas est pris en entier.</translation>
    </message>
    <message>
        <source>s* x H = %1 is the most that N(t) yields for ever, as long as no class runs short of it, so that every step&apos;s harvest is taken in full.</source>
        <translation>s* x H = %1 est le maximum que N(t) fournit pour toujours, tant qu&apos;aucune classe n&apos;en manque, de sorte que le prélèvement de chaque pas est pris en entier.</translation>
    </message>
    <message>
        <source>s* x H = %1 is the most that N(t) yields for ever, as long as no stage runs short of it, so that every step&apos;s harvest is taken in full.</source>
        <translation>s* x H = %1 est le maximum que N(t) fournit pour toujours, tant qu&apos;aucun stade n&apos;en manque, de sorte que le prélèvement de chaque pas est pris en entier.</translation>
    </message>
    <message>
        <source>Largest factor s* = (lambda - 1) v.N(t) / %1</source>
        <translation>Plus grand facteur s* = (lambda - 1) v.N(t) / %1</translation>
    </message>
    <message>
        <source>no limit: %1 takes only from classes of reproductive value 0.</source>
        <translation>sans limite : %1 ne prend que dans des classes de valeur reproductive 0.</translation>
    </message>
    <message>
        <source>no limit: %1 takes only from stages of reproductive value 0.</source>
        <translation>sans limite : %1 ne prend que dans des stades de valeur reproductive 0.</translation>
    </message>
    <message>
        <source>not searched for in a life cycle of more than %1 stages: each search projects every stage 1000 steps some twenty times. The rule&apos;s figure above stands alone.</source>
        <translation>non cherché pour un cycle de vie de plus de %1 stades : chaque recherche projette chaque stade sur 1000 pas une vingtaine de fois. La grandeur de la règle ci-dessus est seule.</translation>
    </message>
    <message>
        <source>It lies above s*, because a class is emptied on the way (in step %1): from then on the harvest takes less than s x H, and the rule no longer holds.</source>
        <translation>Il est au-dessus de s*, car une classe est vidée en chemin (au pas %1) : dès lors le prélèvement prend moins que s x H, et la règle ne vaut plus.</translation>
    </message>
    <message>
        <source>It lies above s*, because a stage is emptied on the way (in step %1): from then on the harvest takes less than s x H, and the rule no longer holds.</source>
        <translation>Il est au-dessus de s*, car un stade est vidé en chemin (au pas %1) : dès lors le prélèvement prend moins que s x H, et la règle ne vaut plus.</translation>
    </message>
    <message>
        <source>It lies above s*, because a class is emptied on the way: from then on the harvest takes less than s x H, and the rule no longer holds.</source>
        <translation>Il est au-dessus de s*, car une classe est vidée en chemin : dès lors le prélèvement prend moins que s x H, et la règle ne vaut plus.</translation>
    </message>
    <message>
        <source>It lies above s*, because a stage is emptied on the way: from then on the harvest takes less than s x H, and the rule no longer holds.</source>
        <translation>Il est au-dessus de s*, car un stade est vidé en chemin : dès lors le prélèvement prend moins que s x H, et la règle ne vaut plus.</translation>
    </message>
    <message>
        <source>Largest factor s, by the projection</source>
        <translation>Plus grand facteur s, selon la projection</translation>
    </message>
    <message>
        <source>none: even without harvest N(t) falls below %1 within %2 steps.</source>
        <translation>aucun : même sans prélèvement N(t) passe sous %1 en %2 pas.</translation>
    </message>
    <message>
        <source>none: the population does not last %1 steps even without harvest.</source>
        <translation>aucun : la population ne tient pas %1 pas, même sans prélèvement.</translation>
    </message>
    <message>
        <source>any s: however large s is, %1 leaves N(t) %2 for %3 steps, because a harvest takes at most what is there and the rest of N(t) lives on.</source>
        <extracomment>%1 is the harvest &quot;s x H&quot;, %2 &quot;at 1 animal or more&quot; or &quot;above 0&quot;, %3 a number.</extracomment>
        <translation>tout s : si grand que soit s, %1 laisse N(t) %2 pendant %3 pas, car un prélèvement prend au plus ce qui est là et le reste de N(t) survit.</translation>
    </message>
    <message>
        <source>N(t) stays %1 for %2 steps up to s = %3 (%4 = %5); 1.001 times as much does not.</source>
        <extracomment>%1 is &quot;at 1 animal or more&quot; or &quot;above 0&quot;, %2 a number of steps, %3 the factor s, %4 the harvest &quot;s x H&quot;, %5 that harvest as a vector.</extracomment>
        <translation>N(t) reste %1 pendant %2 pas jusqu&apos;à s = %3 (%4 = %5) ; 1.001 fois plus, non.</translation>
    </message>
    <message>
        <source>It holds for these steps only: no constant harvest is sustainable for ever.</source>
        <translation>Cela ne vaut que pour ces pas : aucun prélèvement constant n&apos;est durable pour toujours.</translation>
    </message>
    <message>
        <source>The rule&apos;s s* agrees.</source>
        <translation>Le s* de la règle concorde.</translation>
    </message>
    <message>
        <source>It lies above s*: there v.N(t) falls, but N(t) stays %1 for all %2 steps of the projection and is lost only later.</source>
        <translation>Il est au-dessus de s* : là v.N(t) baisse, mais N(t) reste %1 pendant les %2 pas de la projection et n&apos;est perdue que plus tard.</translation>
    </message>
    <message>
        <source>It lies below s*: there v.N(t) still grows, but N(t) dips below %1 on the way.</source>
        <translation>Il est au-dessous de s* : là v.N(t) croît encore, mais N(t) passe sous %1 en chemin.</translation>
    </message>
    <message>
        <source>all of it</source>
        <extracomment>A cell of a table: every animal of the class may be taken.</extracomment>
        <translation>tout</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A cell of a table: no harvest at all is possible.</extracomment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>All of it for %1: no number taken from them is too large, because a harvest takes at most what is there; emptied every step, the rest of N(t) still lives on.</source>
        <translation>Tout pour %1 : aucun nombre qui y est pris n&apos;est trop grand, car un prélèvement prend au plus ce qui est là ; même vidées à chaque pas, le reste de N(t) survit.</translation>
    </message>
    <message>
        <source>All of it for %1: no number taken from it is too large, because a harvest takes at most what is there; emptied every step, the rest of N(t) still lives on.</source>
        <translation>Tout pour %1 : aucun nombre qui y est pris n&apos;est trop grand, car un prélèvement prend au plus ce qui est là ; même vidé à chaque pas, le reste de N(t) survit.</translation>
    </message>
    <message>
        <source>Above h_i for %1: there the harvest empties the class on the way and takes less than asked.</source>
        <translation>Au-dessus de h_i pour %1 : là le prélèvement vide la classe en chemin et prend moins que demandé.</translation>
    </message>
    <message>
        <source>Above h_i for %1: there the harvest empties the stage on the way and takes less than asked.</source>
        <translation>Au-dessus de h_i pour %1 : là le prélèvement vide le stade en chemin et prend moins que demandé.</translation>
    </message>
    <message>
        <source>Above h_i for %1: N(t) stays %2 for the %3 steps, and is lost only later.</source>
        <translation>Au-dessus de h_i pour %1 : N(t) reste %2 pendant les %3 pas, et n&apos;est perdue que plus tard.</translation>
    </message>
    <message>
        <source>%1, the fecundity of class %2</source>
        <extracomment>%1 is the rate&apos;s symbol &quot;f2&quot;, %2 the number of its class.</extracomment>
        <translation>%1, la fécondité de la classe %2</translation>
    </message>
    <message>
        <source>%1, the survival from class %2 to %3</source>
        <extracomment>%1 is the rate&apos;s symbol &quot;s0&quot;, %2 and %3 the numbers of the classes.</extracomment>
        <translation>%1, la survie de la classe %2 à %3</translation>
    </message>
    <message>
        <source>lambda answers most to the cell staying in %1 (a = %2): an elasticity of %3 means that a change of 1 % in it changes lambda by %3 %.</source>
        <extracomment>%1 is &quot;stage seeds&quot;, %2 the cell&apos;s value, %3 its elasticity.</extracomment>
        <translation>lambda réagit le plus à la case du maintien dans %1 (a = %2) : une élasticité de %3 signifie qu&apos;un changement de 1 % de cette case change lambda de %3 %.</translation>
    </message>
    <message>
        <source>lambda answers most to the cell of %1 into itself (staying and offspring) (a = %2): an elasticity of %3 means that a change of 1 % in it changes lambda by %3 %.</source>
        <translation>lambda réagit le plus à la case de %1 vers lui-même (maintien et descendants) (a = %2) : une élasticité de %3 signifie qu&apos;un changement de 1 % de cette case change lambda de %3 %.</translation>
    </message>
    <message>
        <source>lambda answers most to the cell from %1 to %2 (a = %3): an elasticity of %4 means that a change of 1 % in it changes lambda by %4 %.</source>
        <extracomment>%1 and %2 are stages &quot;stage seeds&quot;, %3 the cell&apos;s value, %4 its elasticity.</extracomment>
        <translation>lambda réagit le plus à la case de %1 vers %2 (a = %3) : une élasticité de %4 signifie qu&apos;un changement de 1 % de cette case change lambda de %4 %.</translation>
    </message>
    <message>
        <source>M is imprimitive (period %1): lambda still answers so, though N(t) keeps oscillating.</source>
        <translation>M est imprimitive (période %1) : lambda réagit tout de même ainsi, bien que N(t) continue d&apos;osciller.</translation>
    </message>
    <message>
        <source>A is imprimitive (period %1): lambda still answers so, though N(t) keeps oscillating.</source>
        <translation>A est imprimitive (période %1) : lambda réagit tout de même ainsi, bien que N(t) continue d&apos;osciller.</translation>
    </message>
    <message>
        <source>value</source>
        <extracomment>Column headers of a vital rate&apos;s row: keep them short.</extracomment>
        <translation>valeur</translation>
    </message>
    <message>
        <source>sensitivity</source>
        <translation>sensibilité</translation>
    </message>
    <message>
        <source>elasticity</source>
        <translation>élasticité</translation>
    </message>
    <message>
        <source>lambda answers most to %1: an elasticity of %2 means that a change of 1 % in one of them changes lambda by %2 %.</source>
        <extracomment>%1 lists vital rates &quot;f1, the fecundity of class 1 and s0, ...&quot;, %2 a number.</extracomment>
        <translation>lambda réagit le plus à %1 : une élasticité de %2 signifie qu&apos;un changement de 1 % de l&apos;un d&apos;eux change lambda de %2 %.</translation>
    </message>
    <message>
        <source>lambda answers most to %1: an elasticity of %2 means that a change of 1 % in it changes lambda by %2 %.</source>
        <extracomment>%1 is a vital rate &quot;f1, the fecundity of class 1&quot;, %2 a number.</extracomment>
        <translation>lambda réagit le plus à %1 : une élasticité de %2 signifie qu&apos;un changement de 1 % de ce taux change lambda de %2 %.</translation>
    </message>
    <message>
        <source>Which rate matters most</source>
        <translation>Le taux qui compte le plus</translation>
    </message>
    <message>
        <source>Vital rates f_i and s_i</source>
        <translation>Taux vitaux f_i et s_i</translation>
    </message>
    <message>
        <source>not defined for a life cycle of stages: a stage may stay, grow, shrink and breed at once, so the cells of A and their sums by kind below stand in their place.</source>
        <translation>non définis pour un cycle de vie de stades : un stade peut à la fois rester, croître, régresser et se reproduire, donc les cases de A et leurs sommes par type, ci-dessous, en tiennent lieu.</translation>
    </message>
    <message>
        <source>Elasticities summed by kind</source>
        <translation>Élasticités sommées par type</translation>
    </message>
    <message>
        <source>Stasis is U&apos;s diagonal, growth U below it, retrogression U above it, reproduction F and clonality C; the five sum to 1.</source>
        <translation>La stase est la diagonale de U, la croissance U au-dessous, la régression U au-dessus, la reproduction F et la clonalité C ; les cinq ont pour somme 1.</translation>
    </message>
    <message>
        <source>stasis</source>
        <extracomment>Column headers: the kinds of transition of a life cycle; keep them short.</extracomment>
        <translation>stase</translation>
    </message>
    <message>
        <source>growth</source>
        <translation>croissance</translation>
    </message>
    <message>
        <source>retrogression</source>
        <translation>régression</translation>
    </message>
    <message>
        <source>reproduction</source>
        <translation>reproduction</translation>
    </message>
    <message>
        <source>clonal</source>
        <translation>clonal</translation>
    </message>
    <message>
        <source>Which transition matters most</source>
        <translation>La transition qui compte le plus</translation>
    </message>
    <message>
        <source>Sensitivities d lambda / d a_ij</source>
        <translation>Sensibilités d lambda / d a_ij</translation>
    </message>
    <message>
        <source>Elasticities (a_ij / lambda) d lambda / d a_ij</source>
        <translation>Élasticités (a_ij / lambda) d lambda / d a_ij</translation>
    </message>
    <message>
        <source>not defined: the dominant eigenvalue is repeated, so lambda has no single slope in each cell.</source>
        <translation>non définies : la valeur propre dominante est multiple, donc lambda n&apos;a pas de pente unique dans chaque case.</translation>
    </message>
    <message>
        <source>Every cell of %1, its zeros too: how much lambda gains per unit added to a cell, a new transition included.</source>
        <translation>Chaque case de %1, ses zéros aussi : ce que lambda gagne par unité ajoutée à une case, une nouvelle transition comprise.</translation>
    </message>
    <message>
        <source>The share of lambda each cell carries; they sum to 1.</source>
        <translation>La part de lambda portée par chaque case ; leur somme vaut 1.</translation>
    </message>
    <message>
        <source>with this age structure the population grows faster in the first step than in the long run.</source>
        <translation>avec cette structure d&apos;âge la population croît plus vite au premier pas qu&apos;à long terme.</translation>
    </message>
    <message>
        <source>with this age structure the population grows more slowly in the first step than in the long run.</source>
        <translation>avec cette structure d&apos;âge la population croît plus lentement au premier pas qu&apos;à long terme.</translation>
    </message>
    <message>
        <source>with this age structure the population declines more slowly in the first step than in the long run.</source>
        <translation>avec cette structure d&apos;âge la population décroît plus lentement au premier pas qu&apos;à long terme.</translation>
    </message>
    <message>
        <source>with this age structure the population declines faster in the first step than in the long run.</source>
        <translation>avec cette structure d&apos;âge la population décroît plus vite au premier pas qu&apos;à long terme.</translation>
    </message>
    <message>
        <source>with this age structure the population grows in the first step, though in the long run it declines.</source>
        <translation>avec cette structure d&apos;âge la population croît au premier pas, bien qu&apos;à long terme elle décroisse.</translation>
    </message>
    <message>
        <source>with this age structure the population grows in the first step, though in the long run it neither grows nor declines.</source>
        <translation>avec cette structure d&apos;âge la population croît au premier pas, bien qu&apos;à long terme elle ne croisse ni ne décroisse.</translation>
    </message>
    <message>
        <source>with this age structure the population declines in the first step, though in the long run it grows.</source>
        <translation>avec cette structure d&apos;âge la population décroît au premier pas, bien qu&apos;à long terme elle croisse.</translation>
    </message>
    <message>
        <source>with this age structure the population declines in the first step, though in the long run it neither grows nor declines.</source>
        <translation>avec cette structure d&apos;âge la population décroît au premier pas, bien qu&apos;à long terme elle ne croisse ni ne décroisse.</translation>
    </message>
    <message>
        <source>with this age structure the population keeps its total in the first step, though in the long run it grows.</source>
        <translation>avec cette structure d&apos;âge la population garde son total au premier pas, bien qu&apos;à long terme elle croisse.</translation>
    </message>
    <message>
        <source>with this age structure the population keeps its total in the first step, though in the long run it declines.</source>
        <translation>avec cette structure d&apos;âge la population garde son total au premier pas, bien qu&apos;à long terme elle décroisse.</translation>
    </message>
    <message>
        <source>with this stage structure the population grows faster in the first step than in the long run.</source>
        <translation>avec cette structure en stades la population croît plus vite au premier pas qu&apos;à long terme.</translation>
    </message>
    <message>
        <source>with this stage structure the population grows more slowly in the first step than in the long run.</source>
        <translation>avec cette structure en stades la population croît plus lentement au premier pas qu&apos;à long terme.</translation>
    </message>
    <message>
        <source>with this stage structure the population declines more slowly in the first step than in the long run.</source>
        <translation>avec cette structure en stades la population décroît plus lentement au premier pas qu&apos;à long terme.</translation>
    </message>
    <message>
        <source>with this stage structure the population declines faster in the first step than in the long run.</source>
        <translation>avec cette structure en stades la population décroît plus vite au premier pas qu&apos;à long terme.</translation>
    </message>
    <message>
        <source>with this stage structure the population grows in the first step, though in the long run it declines.</source>
        <translation>avec cette structure en stades la population croît au premier pas, bien qu&apos;à long terme elle décroisse.</translation>
    </message>
    <message>
        <source>with this stage structure the population grows in the first step, though in the long run it neither grows nor declines.</source>
        <translation>avec cette structure en stades la population croît au premier pas, bien qu&apos;à long terme elle ne croisse ni ne décroisse.</translation>
    </message>
    <message>
        <source>with this stage structure the population declines in the first step, though in the long run it grows.</source>
        <translation>avec cette structure en stades la population décroît au premier pas, bien qu&apos;à long terme elle croisse.</translation>
    </message>
    <message>
        <source>with this stage structure the population declines in the first step, though in the long run it neither grows nor declines.</source>
        <translation>avec cette structure en stades la population décroît au premier pas, bien qu&apos;à long terme elle ne croisse ni ne décroisse.</translation>
    </message>
    <message>
        <source>with this stage structure the population keeps its total in the first step, though in the long run it grows.</source>
        <translation>avec cette structure en stades la population garde son total au premier pas, bien qu&apos;à long terme elle croisse.</translation>
    </message>
    <message>
        <source>with this stage structure the population keeps its total in the first step, though in the long run it declines.</source>
        <translation>avec cette structure en stades la population garde son total au premier pas, bien qu&apos;à long terme elle décroisse.</translation>
    </message>
    <message>
        <source>as in the long run.</source>
        <translation>comme à long terme.</translation>
    </message>
    <message>
        <source>From then on the age distribution stays within 1 % (half the sum of the differences of the shares) of the stable one.</source>
        <translation>Dès lors la distribution des âges reste à moins de 1 % (la moitié de la somme des écarts des parts) de la distribution stable.</translation>
    </message>
    <message>
        <source>From then on the stage distribution stays within 1 % (half the sum of the differences of the shares) of the stable one.</source>
        <translation>Dès lors la distribution des stades reste à moins de 1 % (la moitié de la somme des écarts des parts) de la distribution stable.</translation>
    </message>
    <message>
        <source>none: without harvest N(t) dies out.</source>
        <translation>aucun : sans prélèvement N(t) s&apos;éteint.</translation>
    </message>
    <message>
        <source>never: %1 is imprimitive, so the age distribution keeps cycling.</source>
        <translation>jamais : %1 est imprimitive, donc la distribution des âges continue de tourner en cycle.</translation>
    </message>
    <message>
        <source>never: %1 is imprimitive, so the stage distribution keeps cycling.</source>
        <translation>jamais : %1 est imprimitive, donc la distribution des stades continue de tourner en cycle.</translation>
    </message>
    <message>
        <source>not within %1 steps: the age distribution does not come within 1 % (half the sum of the differences of the shares) of the stable one.</source>
        <translation>pas en %1 pas : la distribution des âges ne vient pas à moins de 1 % (la moitié de la somme des écarts des parts) de la distribution stable.</translation>
    </message>
    <message>
        <source>not within %1 steps: the stage distribution does not come within 1 % (half the sum of the differences of the shares) of the stable one.</source>
        <translation>pas en %1 pas : la distribution des stades ne vient pas à moins de 1 % (la moitié de la somme des écarts des parts) de la distribution stable.</translation>
    </message>
    <message>
        <source>none: N(t) is empty.</source>
        <translation>aucun : N(t) est vide.</translation>
    </message>
    <message>
        <source>First-step amplification of N(t), ||%1 n||/lambda</source>
        <translation>Amplification de N(t) au premier pas, ||%1 n||/lambda</translation>
    </message>
    <message>
        <source>Steps until the stable distribution, to 1 %</source>
        <translation>Pas jusqu&apos;à la distribution stable, à 1 %</translation>
    </message>
    <message>
        <source>In the first step the total of N(t) is multiplied by %1, %2 times lambda: %3</source>
        <extracomment>%1 and %2 are numbers; %3 is a sentence of its own, &quot;with this age structure ...&quot;.</extracomment>
        <translation>Au premier pas le total de N(t) est multiplié par %1, %2 fois lambda : %3</translation>
    </message>
    <message>
        <source>Inertia (v.n / v.w) ||w||, n = N(t) / ||N(t)||</source>
        <translation>Inertie (v.n / v.w) ||w||, n = N(t) / ||N(t)||</translation>
    </message>
    <message>
        <source>In the long run N(t) grows as one of the same total started in the stable distribution, times this factor.</source>
        <translation>À long terme N(t) croît comme une population de même total partie de la distribution stable, multipliée par ce facteur.</translation>
    </message>
    <message>
        <source>Cost of an animal of class i, v_i</source>
        <translation>Coût d&apos;un animal de la classe i, v_i</translation>
    </message>
    <message>
        <source>Cost of an animal of stage i, v_i</source>
        <translation>Coût d&apos;un animal du stade i, v_i</translation>
    </message>
    <message>
        <source>Harvest of class i alone for ever, h_i</source>
        <translation>Prélèvement de la seule classe i pour toujours, h_i</translation>
    </message>
    <message>
        <source>Harvest of stage i alone for ever, h_i</source>
        <translation>Prélèvement du seul stade i pour toujours, h_i</translation>
    </message>
    <message>
        <source>h_i by the projection, %1 steps</source>
        <translation>h_i selon la projection, %1 pas</translation>
    </message>
    <message>
        <source>h_i = (lambda - 1) v.N(t) / v_i: the most of class i alone that N(t) yields for ever, as long as class i never runs short of it.</source>
        <translation>h_i = (lambda - 1) v.N(t) / v_i : le maximum de la seule classe i que N(t) fournit pour toujours, tant que la classe i n&apos;en manque jamais.</translation>
    </message>
    <message>
        <source>h_i = (lambda - 1) v.N(t) / v_i: the most of stage i alone that N(t) yields for ever, as long as stage i never runs short of it.</source>
        <translation>h_i = (lambda - 1) v.N(t) / v_i : le maximum du seul stade i que N(t) fournit pour toujours, tant que le stade i n&apos;en manque jamais.</translation>
    </message>
    <message>
        <source>Taking one animal of %1 costs the most: %2 newborns&apos; worth of future population; one of %3 costs the least, %4.</source>
        <extracomment>%1 and %3 are &quot;class 2&quot; or &quot;stage seeds&quot;, %2 and %4 their reproductive values.</extracomment>
        <translation>Prendre un animal de %1 coûte le plus : %2 nouveau-nés de valeur en population future ; un de %3 coûte le moins, %4.</translation>
    </message>
    <message>
        <source>Rate of every class, 1 - 1/lambda</source>
        <translation>Taux de chaque classe, 1 - 1/lambda</translation>
    </message>
    <message>
        <source>Rate of every stage, 1 - 1/lambda</source>
        <translation>Taux de chaque stade, 1 - 1/lambda</translation>
    </message>
    <message>
        <source>Rate of class i alone</source>
        <translation>Taux de la seule classe i</translation>
    </message>
    <message>
        <source>Rate of stage i alone</source>
        <translation>Taux du seul stade i</translation>
    </message>
    <message>
        <source>none: lambda is below 1 before any harvest.</source>
        <translation>aucun : lambda est inférieur à 1 avant tout prélèvement.</translation>
    </message>
    <message>
        <source>Taking the same fraction h of every class each step multiplies lambda by (1 - h), whatever N(t) is: at this rate lambda falls to 1.</source>
        <translation>Prendre la même fraction h de chaque classe à chaque pas multiplie lambda par (1 - h), quel que soit N(t) : à ce taux lambda tombe à 1.</translation>
    </message>
    <message>
        <source>Taking the same fraction h of every stage each step multiplies lambda by (1 - h), whatever N(t) is: at this rate lambda falls to 1.</source>
        <translation>Prendre la même fraction h de chaque stade à chaque pas multiplie lambda par (1 - h), quel que soit N(t) : à ce taux lambda tombe à 1.</translation>
    </message>
    <message>
        <source>1: taking all of that class every step still leaves lambda at or above 1.</source>
        <translation>1 : même en prenant toute cette classe à chaque pas, lambda reste à 1 ou plus.</translation>
    </message>
    <message>
        <source>1: taking all of that stage every step still leaves lambda at or above 1.</source>
        <translation>1 : même en prenant tout ce stade à chaque pas, lambda reste à 1 ou plus.</translation>
    </message>
    <message>
        <source>A fixed quota is unstable: N(t) must keep v.N(t) above v.N*, and a population pushed below it is lost however long it lasted. A fixed rate is not: it changes lambda whatever N(t) is, so a rate below the one for every class taken from all of them, or a rate below its own figure taken from one class alone, keeps any population growing in the long run, from any start. Rates taken from several classes at once need smaller ones.</source>
        <translation>Un quota fixe est instable : N(t) doit garder v.N(t) au-dessus de v.N*, et une population poussée au-dessous est perdue, si longtemps qu&apos;elle ait tenu. Un taux fixe ne l&apos;est pas : il change lambda quel que soit N(t), donc un taux inférieur à celui de chaque classe pris dans toutes, ou un taux inférieur à sa propre valeur pris dans une seule classe, garde toute population en croissance à long terme, depuis tout départ. Des taux pris dans plusieurs classes à la fois doivent être plus petits.</translation>
    </message>
    <message>
        <source>A fixed quota is unstable: N(t) must keep v.N(t) above v.N*, and a population pushed below it is lost however long it lasted. A fixed rate is not: it changes lambda whatever N(t) is, so a rate below the one for every stage taken from all of them, or a rate below its own figure taken from one stage alone, keeps any population growing in the long run, from any start. Rates taken from several stages at once need smaller ones.</source>
        <translation>Un quota fixe est instable : N(t) doit garder v.N(t) au-dessus de v.N*, et une population poussée au-dessous est perdue, si longtemps qu&apos;elle ait tenu. Un taux fixe ne l&apos;est pas : il change lambda quel que soit N(t), donc un taux inférieur à celui de chaque stade pris dans tous, ou un taux inférieur à sa propre valeur pris dans un seul stade, garde toute population en croissance à long terme, depuis tout départ. Des taux pris dans plusieurs stades à la fois doivent être plus petits.</translation>
    </message>
    <message>
        <source>Why a rate, not a quota</source>
        <translation>Pourquoi un taux, pas un quota</translation>
    </message>
    <message>
        <source>A fecundity: newborns per animal of the class in a step, and how lambda answers to it.</source>
        <translation>Une fécondité : les nouveau-nés par animal de la classe en un pas, et la réaction de lambda.</translation>
    </message>
    <message>
        <source>A survival rate: the share of a class that lives on into the next one, and how lambda answers to it.</source>
        <translation>Un taux de survie : la part d&apos;une classe qui survit dans la suivante, et la réaction de lambda.</translation>
    </message>
    <message>
        <source>How many times larger the population gets each step in the long run, without harvest: above 1 it grows, below 1 it shrinks.</source>
        <translation>Combien de fois la population grandit à chaque pas à long terme, sans prélèvement : au-dessus de 1 elle croît, au-dessous de 1 elle diminue.</translation>
    </message>
    <message>
        <source>The shares of the classes that any population settles into, whatever it started with.</source>
        <translation>Les parts des classes vers lesquelles toute population se stabilise, quel que soit son départ.</translation>
    </message>
    <message>
        <source>The shares of the stages that any population settles into, whatever it started with.</source>
        <translation>Les parts des stades vers lesquelles toute population se stabilise, quel que soit son départ.</translation>
    </message>
    <message>
        <source>What one animal of each class is worth to the future population, counted in newborns.</source>
        <translation>Ce que vaut un animal de chaque classe pour la population future, compté en nouveau-nés.</translation>
    </message>
    <message>
        <source>What one animal of each stage is worth to the future population, counted in newborns.</source>
        <translation>Ce que vaut un animal de chaque stade pour la population future, compté en nouveau-nés.</translation>
    </message>
    <message>
        <source>How many offspring one newborn leaves over its whole life.</source>
        <translation>Combien de descendants un nouveau-né laisse sur toute sa vie.</translation>
    </message>
    <message>
        <source>How quickly a population forgets its start: the larger, the sooner it settles into the stable distribution.</source>
        <translation>À quelle vitesse une population oublie son départ : plus c&apos;est grand, plus tôt elle se stabilise dans la distribution stable.</translation>
    </message>
    <message>
        <source>The time it takes the population to grow by R0, about the age at which mothers have their young.</source>
        <translation>Le temps que met la population à croître de R0, à peu près l&apos;âge auquel les mères ont leurs petits.</translation>
    </message>
    <message>
        <source>How many more steps an animal of each stage lives on average.</source>
        <translation>Combien de pas un animal de chaque stade vit encore en moyenne.</translation>
    </message>
    <message>
        <source>How the classes are linked, and whether every start ends in the same stable distribution.</source>
        <translation>Comment les classes sont liées, et si tout départ aboutit à la même distribution stable.</translation>
    </message>
    <message>
        <source>How the stages are linked, and whether every start ends in the same stable distribution.</source>
        <translation>Comment les stades sont liés, et si tout départ aboutit à la même distribution stable.</translation>
    </message>
    <message>
        <source>How much lambda rises if one cell of M rises by a small amount.</source>
        <translation>De combien lambda augmente si une case de M augmente un peu.</translation>
    </message>
    <message>
        <source>How much lambda rises if one cell of A rises by a small amount.</source>
        <translation>De combien lambda augmente si une case de A augmente un peu.</translation>
    </message>
    <message>
        <source>The same in proportion: a change of 1 % in a cell changes lambda by this many %.</source>
        <translation>La même chose en proportion : un changement de 1 % d&apos;une case change lambda de ce nombre de %.</translation>
    </message>
    <message>
        <source>Why the seven rates of an age-class model are not shown here.</source>
        <translation>Pourquoi les sept taux d&apos;un modèle en classes d&apos;âge ne sont pas montrés ici.</translation>
    </message>
    <message>
        <source>Which kind of transition carries lambda: staying, growing, shrinking or giving birth.</source>
        <translation>Quel type de transition porte lambda : rester, croître, régresser ou donner naissance.</translation>
    </message>
    <message>
        <source>The one change that would help the population most.</source>
        <translation>Le changement qui aiderait le plus la population.</translation>
    </message>
    <message>
        <source>How much faster or slower this N(t) grows in its first step than the long-run lambda (n is N(t) scaled to total 1); another start gives another figure.</source>
        <translation>De combien ce N(t) croît plus vite ou plus lentement à son premier pas qu&apos;avec le lambda à long terme (n est N(t) ramené au total 1) ; un autre départ donne une autre valeur.</translation>
    </message>
    <message>
        <source>How many steps until this N(t) has nearly the stable distribution.</source>
        <translation>Combien de pas avant que ce N(t) ait presque la distribution stable.</translation>
    </message>
    <message>
        <source>How much larger or smaller this N(t) ends up than a population of the same size that started in the stable distribution.</source>
        <translation>De combien ce N(t) finit plus grand ou plus petit qu&apos;une population de même taille partie de la distribution stable.</translation>
    </message>
    <message>
        <source>The one population that the harvest H leaves exactly as it is.</source>
        <translation>La seule population que le prélèvement H laisse exactement telle qu&apos;elle est.</translation>
    </message>
    <message>
        <source>The whole population counted in newborns&apos; worth: each animal times the reproductive value of its class.</source>
        <translation>Toute la population comptée en valeur de nouveau-nés : chaque animal fois la valeur reproductive de sa classe.</translation>
    </message>
    <message>
        <source>The whole population counted in newborns&apos; worth: each animal times the reproductive value of its stage.</source>
        <translation>Toute la population comptée en valeur de nouveau-nés : chaque animal fois la valeur reproductive de son stade.</translation>
    </message>
    <message>
        <source>The worth the population needs to keep up with H for ever.</source>
        <translation>La valeur dont la population a besoin pour tenir H pour toujours.</translation>
    </message>
    <message>
        <source>What H takes from that worth each step, against what the population adds to it.</source>
        <translation>Ce que H prend de cette valeur à chaque pas, face à ce que la population y ajoute.</translation>
    </message>
    <message>
        <source>Whether N(t) grows or dies under H, judged by its worth against v.N*.</source>
        <translation>Si N(t) croît ou meurt sous H, jugé par sa valeur face à v.N*.</translation>
    </message>
    <message>
        <source>How many times H the population could give for ever, by the rule.</source>
        <translation>Combien de fois H la population pourrait donner pour toujours, selon la règle.</translation>
    </message>
    <message>
        <source>What the program&apos;s own steps do to N(t) under H, step by step.</source>
        <translation>Ce que les pas du programme font de N(t) sous H, pas à pas.</translation>
    </message>
    <message>
        <source>The most the program&apos;s own steps carry for the whole run, against the rule&apos;s figure.</source>
        <translation>Le maximum que les pas du programme supportent pendant tout le calcul, face à la valeur de la règle.</translation>
    </message>
    <message>
        <source>How much of the future one animal taken from each class costs.</source>
        <translation>Combien d&apos;avenir coûte un animal pris dans chaque classe.</translation>
    </message>
    <message>
        <source>How much of the future one animal taken from each stage costs.</source>
        <translation>Combien d&apos;avenir coûte un animal pris dans chaque stade.</translation>
    </message>
    <message>
        <source>The most animals of one class alone that could be taken every step for ever, by the rule.</source>
        <translation>Le plus grand nombre d&apos;animaux d&apos;une seule classe qui pourraient être pris à chaque pas pour toujours, selon la règle.</translation>
    </message>
    <message>
        <source>The most animals of one stage alone that could be taken every step for ever, by the rule.</source>
        <translation>Le plus grand nombre d&apos;animaux d&apos;un seul stade qui pourraient être pris à chaque pas pour toujours, selon la règle.</translation>
    </message>
    <message>
        <source>The same by the program&apos;s own steps, for the steps it runs.</source>
        <translation>La même chose selon les pas du programme, pour les pas qu&apos;il calcule.</translation>
    </message>
    <message>
        <source>The share of every class that can be taken each step, for ever.</source>
        <translation>La part de chaque classe qui peut être prise à chaque pas, pour toujours.</translation>
    </message>
    <message>
        <source>The share of every stage that can be taken each step, for ever.</source>
        <translation>La part de chaque stade qui peut être prise à chaque pas, pour toujours.</translation>
    </message>
    <message>
        <source>The share of one class alone that can be taken each step, for ever.</source>
        <translation>La part d&apos;une seule classe qui peut être prise à chaque pas, pour toujours.</translation>
    </message>
    <message>
        <source>The share of one stage alone that can be taken each step, for ever.</source>
        <translation>La part d&apos;un seul stade qui peut être prise à chaque pas, pour toujours.</translation>
    </message>
    <message>
        <source>Why taking a share is safer than taking a fixed number.</source>
        <translation>Pourquoi prendre une part est plus sûr que prendre un nombre fixe.</translation>
    </message>
    <message>
        <source>infinite</source>
        <extracomment>A figure without bound, in a cell of the report.</extracomment>
        <translation>infini</translation>
    </message>
    <message>
        <source>Dominant eigenvalue lambda</source>
        <translation>Valeur propre dominante lambda</translation>
    </message>
    <message>
        <source>Stable age distribution</source>
        <translation>Distribution stable des âges</translation>
    </message>
    <message>
        <source>Stable stage distribution</source>
        <translation>Distribution stable des stades</translation>
    </message>
    <message>
        <source>not unique: the dominant eigenvalue is repeated.</source>
        <translation>pas unique : la valeur propre dominante est multiple.</translation>
    </message>
    <message>
        <source>Reproductive values (class 0 = 1)</source>
        <translation>Valeurs reproductives (classe 0 = 1)</translation>
    </message>
    <message>
        <source>Reproductive values (%1 = 1)</source>
        <translation>Valeurs reproductives (%1 = 1)</translation>
    </message>
    <message>
        <source>not defined: %1 has no part in the dominant growth.</source>
        <translation>non définies : %1 n&apos;a pas de part dans la croissance dominante.</translation>
    </message>
    <message>
        <source>Net reproductive rate R0</source>
        <translation>Taux net de reproduction R0</translation>
    </message>
    <message>
        <source>not defined: survival alone keeps cohorts from dying out.</source>
        <translation>non défini : la survie seule empêche les cohortes de s&apos;éteindre.</translation>
    </message>
    <message>
        <source>Damping ratio lambda / |lambda2|</source>
        <translation>Amortissement lambda / |lambda2|</translation>
    </message>
    <message>
        <source>all other eigenvalues are 0: the stable distribution is reached within four steps.</source>
        <translation>toutes les autres valeurs propres valent 0 : la distribution stable est atteinte en quatre pas.</translation>
    </message>
    <message>
        <source>all other eigenvalues are 0: the stable distribution is reached within %1 steps.</source>
        <translation>toutes les autres valeurs propres valent 0 : la distribution stable est atteinte en %1 pas.</translation>
    </message>
    <message>
        <source>Generation time T = ln R0 / ln lambda</source>
        <translation>Temps de génération T = ln R0 / ln lambda</translation>
    </message>
    <message>
        <source>lambda = 1: the limit of the quotient, the mean age of the parents in the stable population.</source>
        <translation>lambda = 1 : la limite du quotient, l&apos;âge moyen des parents dans la population stable.</translation>
    </message>
    <message>
        <source>not defined.</source>
        <translation>non défini.</translation>
    </message>
    <message>
        <source>Life expectancy from each stage, column sums of (I - U)^-1</source>
        <translation>Espérance de vie depuis chaque stade, sommes des colonnes de (I - U)^-1</translation>
    </message>
    <message>
        <source>none: I - U is singular, so some stage (or loop of stages) never dies out.</source>
        <translation>aucune : I - U est singulière, donc un stade (ou une boucle de stades) ne s&apos;éteint jamais.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Growth without harvest</source>
        <extracomment>Section headings of the report.</extracomment>
        <translation>Croissance sans prélèvement</translation>
    </message>
    <message>
        <source>Which rate matters</source>
        <translation>Le taux qui compte</translation>
    </message>
    <message>
        <source>The first steps, without harvest</source>
        <translation>Les premiers pas, sans prélèvement</translation>
    </message>
    <message>
        <source>v.N(t), the reproductive value of N(t)</source>
        <translation>v.N(t), la valeur reproductive de N(t)</translation>
    </message>
    <message>
        <source>v.N* = v.H / (lambda - 1)</source>
        <translation>v.N* = v.H / (lambda - 1)</translation>
    </message>
    <message>
        <source>v.H against (lambda - 1) v.N(t)</source>
        <translation>v.H face à (lambda - 1) v.N(t)</translation>
    </message>
    <message>
        <source>Every animal of N(t) counted by the reproductive value v_i of its class: what N(t) is worth to the future, in newborns.</source>
        <translation>Chaque animal de N(t) compté par la valeur reproductive v_i de sa classe : ce que N(t) vaut pour l&apos;avenir, en nouveau-nés.</translation>
    </message>
    <message>
        <source>Every animal of N(t) counted by the reproductive value v_i of its stage: what N(t) is worth to the future, in newborns.</source>
        <translation>Chaque animal de N(t) compté par la valeur reproductive v_i de son stade : ce que N(t) vaut pour l&apos;avenir, en nouveau-nés.</translation>
    </message>
    <message>
        <source>none: with lambda = 1 no N* exists.</source>
        <translation>aucun : avec lambda = 1 il n&apos;existe pas de N*.</translation>
    </message>
    <message>
        <source>none: with lambda below 1 N* has negative classes.</source>
        <translation>aucun : avec lambda inférieur à 1 N* a des classes négatives.</translation>
    </message>
    <message>
        <source>none: with lambda below 1 N* has negative stages.</source>
        <translation>aucun : avec lambda inférieur à 1 N* a des stades négatifs.</translation>
    </message>
    <message>
        <source>surplus</source>
        <extracomment>Column header: what the population adds to its reproductive value each step.</extracomment>
        <translation>surplus</translation>
    </message>
    <message>
        <source>The rule of v.N(t)</source>
        <translation>La règle de v.N(t)</translation>
    </message>
    <message>
        <source>N(t) under H, by the projection</source>
        <translation>N(t) sous H, selon la projection</translation>
    </message>
    <message>
        <source>Under the constant harvest H</source>
        <translation>Sous le prélèvement constant H</translation>
    </message>
    <message>
        <source>What each harvested animal costs</source>
        <translation>Ce que coûte chaque animal prélevé</translation>
    </message>
    <message>
        <source>Quota against rate</source>
        <translation>Quota contre taux</translation>
    </message>
</context>
<context>
    <name>EditEntries</name>
    <message>
        <source>Survival rate (the blue ones) must be &lt;=1. Press Try Again to enter new data.</source>
        <extracomment>&quot;Try Again&quot; / &quot;Try again&quot; is the editing window&apos;s button of that name.</extracomment>
        <translation>Le taux de survie (les cases bleues) doit être &lt;=1. Appuyez sur Réessayer pour saisir de nouvelles données.</translation>
    </message>
    <message>
        <source>Survival rate (the blue ones) must be &gt;=0. Press Try Again to enter new data.</source>
        <translation>Le taux de survie (les cases bleues) doit être &gt;=0. Appuyez sur Réessayer pour saisir de nouvelles données.</translation>
    </message>
    <message>
        <source>Fecundity (the red ones) must &gt;=0. Click Try again to enter new data.</source>
        <translation>La fécondité (les cases rouges) doit être &gt;=0. Cliquez sur Réessayer pour saisir de nouvelles données.</translation>
    </message>
    <message>
        <source>The harvest rate (the green boxes) must be &gt;=0. Click Try again to enter new data.</source>
        <translation>Le taux de prélèvement (les cases vertes) doit être &gt;=0. Cliquez sur Réessayer pour saisir de nouvelles données.</translation>
    </message>
    <message>
        <source>The number of each age group of N(0) must be &gt;=0. Press Try again to retry.</source>
        <translation>Le nombre de chaque groupe d&apos;âge de N(0) doit être &gt;=0. Appuyez sur Réessayer pour recommencer.</translation>
    </message>
    <message>
        <source>The number is too large. Press Try again to enter new data.</source>
        <translation>Le nombre est trop grand. Appuyez sur Réessayer pour saisir de nouvelles données.</translation>
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
        <translation>Taille de la population = 0</translation>
    </message>
    <message>
        <source>History full</source>
        <extracomment>&quot;Change default values&quot; is the main window&apos;s button of that name.</extracomment>
        <translation>Historique plein</translation>
    </message>
    <message>
        <source>The history is full: 1000 steps have been recorded.
Press &quot;Change default values&quot; to start a new run.</source>
        <translation>L&apos;historique est plein : 1000 pas ont été enregistrés.
Appuyez sur &quot;Modifier les valeurs par défaut&quot; pour commencer un nouveau calcul.</translation>
    </message>
    <message>
        <source>Numbers too large</source>
        <translation>Nombres trop grands</translation>
    </message>
    <message>
        <source>The numbers have grown beyond what the program can represent.
This step was not counted.</source>
        <translation>Les nombres ont dépassé ce que le programme peut représenter.
Ce pas n&apos;a pas été compté.</translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation>Pas un nombre</translation>
    </message>
    <message>
        <source>A field of the main window does not hold a number.
This step was not counted.</source>
        <translation>Un champ de la fenêtre principale ne contient pas de nombre.
Ce pas n&apos;a pas été compté.</translation>
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
        <source>Velmora models (*.velmora)</source>
        <extracomment>Keep the pattern in brackets as it is.</extracomment>
        <translation>Modèles Velmora (*.velmora)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>Keep the pattern in brackets as it is.</extracomment>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open model</source>
        <translation>Ouvrir un modèle</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Enregistrer le modèle</translation>
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
<context>
    <name>AnalysisText</name>
    <message>
        <source>N(t) at t = %1</source>
        <translation>N(t) à t = %1</translation>
    </message>
</context>
<context>
    <name>ExerciseText</name>
    <message>
        <source>unknown key %1%2</source>
        <translation>clé inconnue %1%2</translation>
    </message>
    <message>
        <source>it is %1: it must be {&quot;answer&quot;: ..., &quot;mark&quot;: ..., &quot;tries&quot;: N}</source>
        <translation>c&apos;est %1 : cela doit être {&quot;answer&quot;: ..., &quot;mark&quot;: ..., &quot;tries&quot;: N}</translation>
    </message>
    <message>
        <source>&quot;answer&quot; is %1: it must be one line of text in double quotes</source>
        <translation>&quot;answer&quot; vaut %1 : cela doit être une ligne de texte entre guillemets doubles</translation>
    </message>
    <message>
        <source>&quot;mark&quot; is %1, not &quot;right&quot;, &quot;close&quot;, &quot;wrong&quot; or null</source>
        <translation>&quot;mark&quot; vaut %1, et non &quot;right&quot;, &quot;close&quot;, &quot;wrong&quot; ou null</translation>
    </message>
    <message>
        <source>&quot;tries&quot; is %1: it must be a whole number from 0 to %2</source>
        <translation>&quot;tries&quot; vaut %1 : cela doit être un nombre entier de 0 à %2</translation>
    </message>
    <message>
        <source>&quot;format&quot; is %1, not &quot;%2&quot;: this is not a Velmora answers file</source>
        <translation>&quot;format&quot; vaut %1, et non &quot;%2&quot; : ce n&apos;est pas un fichier de réponses Velmora</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>&quot;version&quot; is %1: the file was written by a newer Velmora</source>
        <translation>&quot;version&quot; vaut %1 : le fichier a été écrit par un Velmora plus récent</translation>
    </message>
    <message>
        <source>&quot;version&quot; is %1, not 1</source>
        <translation>&quot;version&quot; vaut %1, et non 1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2: it must be one line of at most %3 characters</source>
        <translation>&quot;%1&quot; vaut %2 : cela doit être une ligne d&apos;au plus %3 caractères</translation>
    </message>
    <message>
        <source>&quot;student&quot; is %1: %2</source>
        <translation>&quot;student&quot; vaut %1 : %2</translation>
    </message>
    <message>
        <source>&quot;model&quot; is %1: it must be {KEY: number, ...} with the varied values</source>
        <translation>&quot;model&quot; vaut %1 : cela doit être {KEY: number, ...} avec les valeurs variées</translation>
    </message>
    <message>
        <source>%1 in &quot;model&quot; is %2: it must be a number</source>
        <translation>%1 dans &quot;model&quot; vaut %2 : cela doit être un nombre</translation>
    </message>
    <message>
        <source>&quot;answers&quot; is %1: it must be a list of at most %2 answers</source>
        <translation>&quot;answers&quot; vaut %1 : cela doit être une liste d&apos;au plus %2 réponses</translation>
    </message>
    <message>
        <source>answer %1: %2</source>
        <translation>réponse %1 : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2: it must be a number of points</source>
        <translation>&quot;%1&quot; vaut %2 : cela doit être un nombre de points</translation>
    </message>
    <message>
        <source>it is larger than 256 KiB, far more than answers need</source>
        <translation>il dépasse 256 KiB, bien plus qu&apos;il n&apos;en faut pour des réponses</translation>
    </message>
    <message>
        <source>this is not a Velmora answers file: it holds no {...} object</source>
        <translation>ce n&apos;est pas un fichier de réponses Velmora : il ne contient aucun objet {...}</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>il ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>&quot;%1&quot; n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>a student&apos;s name (or number) is needed: it draws the numbers</source>
        <translation>le nom (ou le numéro) de l&apos;élève est nécessaire : il tire les nombres</translation>
    </message>
    <message>
        <source>a student&apos;s name is at most %1 characters</source>
        <translation>le nom d&apos;un élève a au plus %1 caractères</translation>
    </message>
    <message>
        <source>a student&apos;s name is one line without control characters</source>
        <translation>le nom d&apos;un élève est une ligne sans caractères de contrôle</translation>
    </message>
    <message>
        <source>with these numbers, %1</source>
        <translation>avec ces nombres, %1</translation>
    </message>
</context>
<context>
    <name>ModelFileText</name>
    <message>
        <source>unknown key %1</source>
        <translation>clé inconnue %1</translation>
    </message>
    <message>
        <source>&quot;risk&quot; is %1: it must be {&quot;cvSurvival&quot;: X, &quot;cvFecundity&quot;: X, &quot;seed&quot;: S, ...}</source>
        <translation>&quot;risk&quot; vaut %1 : cela doit être {&quot;cvSurvival&quot;: X, &quot;cvFecundity&quot;: X, &quot;seed&quot;: S, ...}</translation>
    </message>
    <message>
        <source>%1 in &quot;risk&quot;</source>
        <extracomment>%1 is a refusal such as: unknown key &quot;x&quot;.</extracomment>
        <translation>%1 dans &quot;risk&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;risk&quot; is %2: it must be %3 from %4 to %5</source>
        <translation>&quot;%1&quot; dans &quot;risk&quot; vaut %2 : cela doit être %3 de %4 à %5</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un nombre entier</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>&quot;demographic&quot; in &quot;risk&quot; is %1: it must be true or false</source>
        <translation>&quot;demographic&quot; dans &quot;risk&quot; vaut %1 : cela doit être true ou false</translation>
    </message>
    <message>
        <source>it is %1: a question must be {&quot;text&quot;: ..., &quot;asks&quot;: ...}</source>
        <translation>c&apos;est %1 : une question doit être {&quot;text&quot;: ..., &quot;asks&quot;: ...}</translation>
    </message>
    <message>
        <source>&quot;text&quot; is missing</source>
        <translation>&quot;text&quot; manque</translation>
    </message>
    <message>
        <source>&quot;text&quot; is %1: it must be text of 1 to %2 characters</source>
        <translation>&quot;text&quot; vaut %1 : cela doit être un texte de 1 à %2 caractères</translation>
    </message>
    <message>
        <source>&quot;asks&quot; is missing</source>
        <translation>&quot;asks&quot; manque</translation>
    </message>
    <message>
        <source>&quot;asks&quot; is %1: it must name a figure of the report, such as &quot;growth.lambda&quot; or &quot;growth.stableDistribution[2]&quot;</source>
        <translation>&quot;asks&quot; vaut %1 : cela doit nommer une valeur du rapport, comme &quot;growth.lambda&quot; ou &quot;growth.stableDistribution[2]&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2: it must be a number from 0 to 1000000</source>
        <translation>&quot;%1&quot; vaut %2 : cela doit être un nombre de 0 à 1000000</translation>
    </message>
    <message>
        <source>&quot;hint&quot; is %1: it must be text of at most %2 characters</source>
        <translation>&quot;hint&quot; vaut %1 : cela doit être un texte d&apos;au plus %2 caractères</translation>
    </message>
    <message>
        <source>&quot;risk&quot; is missing: &quot;risk.finalRisk&quot; needs the settings of the run, at least {&quot;cvSurvival&quot;: X, &quot;seed&quot;: S}</source>
        <translation>&quot;risk&quot; manque : &quot;risk.finalRisk&quot; demande les réglages du calcul, au moins {&quot;cvSurvival&quot;: X, &quot;seed&quot;: S}</translation>
    </message>
    <message>
        <source>&quot;risk&quot; stands with &quot;asks&quot;: %1; only &quot;risk.finalRisk&quot; takes it</source>
        <translation>&quot;risk&quot; accompagne &quot;asks&quot; : %1 ; seul &quot;risk.finalRisk&quot; le prend</translation>
    </message>
    <message>
        <source>it is %1: it must be {&quot;value&quot;: KEY, &quot;from&quot;: X, &quot;to&quot;: Y, &quot;step&quot;: D}</source>
        <translation>c&apos;est %1 : cela doit être {&quot;value&quot;: KEY, &quot;from&quot;: X, &quot;to&quot;: Y, &quot;step&quot;: D}</translation>
    </message>
    <message>
        <source>&quot;value&quot; is %1: it must name a value of the model, such as &quot;fecundities[2]&quot; or &quot;transitions[1][0]&quot;</source>
        <translation>&quot;value&quot; vaut %1 : cela doit nommer une valeur du modèle, comme &quot;fecundities[2]&quot; ou &quot;transitions[1][0]&quot;</translation>
    </message>
    <message>
        <source>&quot;value&quot; is %1, which names no value of this model</source>
        <translation>&quot;value&quot; vaut %1, qui ne nomme aucune valeur de ce modèle</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <translation>&quot;%1&quot; manque</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2: it must be a number</source>
        <translation>&quot;%1&quot; vaut %2 : cela doit être un nombre</translation>
    </message>
    <message>
        <source>&quot;from&quot; %1, &quot;to&quot; %2, &quot;step&quot; %3: the values must rise from &quot;from&quot; to &quot;to&quot; by a step above 0</source>
        <translation>&quot;from&quot; %1, &quot;to&quot; %2, &quot;step&quot; %3 : les valeurs doivent monter de &quot;from&quot; à &quot;to&quot; par un pas au-dessus de 0</translation>
    </message>
    <message>
        <source>from %1 to %2 by %3 are more than %4 values</source>
        <translation>de %1 à %2 par pas de %3, cela fait plus de %4 valeurs</translation>
    </message>
    <message>
        <source>with %1 at %2, %3</source>
        <translation>avec %1 à %2, %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2: it must be a list of 1 to %3 %4</source>
        <translation>&quot;%1&quot; vaut %2 : cela doit être une liste de 1 à %3 %4</translation>
    </message>
    <message>
        <source>it is %1: it must be {&quot;title&quot;: ..., &quot;questions&quot;: [...]}</source>
        <translation>c&apos;est %1 : cela doit être {&quot;title&quot;: ..., &quot;questions&quot;: [...]}</translation>
    </message>
    <message>
        <source>&quot;title&quot; is missing: with a student&apos;s name it draws the numbers</source>
        <translation>&quot;title&quot; manque : avec le nom d&apos;un élève, il tire les nombres</translation>
    </message>
    <message>
        <source>&quot;title&quot; is %1: it must be one line of 1 to %2 characters</source>
        <translation>&quot;title&quot; vaut %1 : cela doit être une ligne de 1 à %2 caractères</translation>
    </message>
    <message>
        <source>questions</source>
        <translation>questions</translation>
    </message>
    <message>
        <source>question %1: %2</source>
        <translation>question %1 : %2</translation>
    </message>
    <message>
        <source>varied values</source>
        <translation>valeurs variées</translation>
    </message>
    <message>
        <source>varied value %1: %2</source>
        <translation>valeur variée %1 : %2</translation>
    </message>
    <message>
        <source>question %1: &quot;risk&quot;: %2</source>
        <translation>question %1 : &quot;risk&quot; : %2</translation>
    </message>
    <message>
        <source>varied value %1: %2 is varied twice</source>
        <translation>valeur variée %1 : %2 est variée deux fois</translation>
    </message>
    <message>
        <source>&quot;analysis&quot; is %1: it must be true or false</source>
        <translation>&quot;analysis&quot; vaut %1 : cela doit être true ou false</translation>
    </message>
    <message>
        <source>&quot;maxTries&quot; is %1: it must be a whole number from 1 to %2</source>
        <translation>&quot;maxTries&quot; vaut %1 : cela doit être un nombre entier de 1 à %2</translation>
    </message>
    <message>
        <source>a fecundity</source>
        <extracomment>The subject of &quot;%3 must be at least 0&quot;.</extracomment>
        <translation>une fécondité</translation>
    </message>
    <message>
        <source>a survival rate</source>
        <translation>un taux de survie</translation>
    </message>
    <message>
        <source>an age class of N(0)</source>
        <translation>une classe d&apos;âge de N(0)</translation>
    </message>
    <message>
        <source>a harvest</source>
        <translation>un prélèvement</translation>
    </message>
    <message>
        <source>%1 is %2: too large for the program</source>
        <translation>%1 vaut %2 : trop grand pour le programme</translation>
    </message>
    <message>
        <source>%1 is %2: a survival rate must be at most 1</source>
        <translation>%1 vaut %2 : un taux de survie doit être au plus 1</translation>
    </message>
    <message>
        <source>%1 is %2: %3 must be at least 0</source>
        <translation>%1 vaut %2 : %3 doit être au moins 0</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>1 stage</source>
        <translation>1 stade</translation>
    </message>
    <message>
        <source>%1 stages</source>
        <translation>%1 stades</translation>
    </message>
    <message>
        <source>1 number</source>
        <translation>1 nombre</translation>
    </message>
    <message>
        <source>%1 numbers</source>
        <translation>%1 nombres</translation>
    </message>
    <message>
        <source>%1 must be one line of at most %2 characters</source>
        <translation>%1 doit être une ligne d&apos;au plus %2 caractères</translation>
    </message>
    <message>
        <source>%1 holds a control character; only line breaks and tabs may stand in it</source>
        <translation>%1 contient un caractère de contrôle ; seuls les sauts de ligne et les tabulations y sont permis</translation>
    </message>
    <message>
        <source>a transition</source>
        <translation>une transition</translation>
    </message>
    <message>
        <source>a clonal rate</source>
        <translation>un taux clonal</translation>
    </message>
    <message>
        <source>%1[%2], from %3 to %4,</source>
        <translation>%1[%2], de %3 vers %4,</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 is []: a model needs at least 1 stage</source>
        <translation>%1 vaut [] : un modèle demande au moins 1 stade</translation>
    </message>
    <message>
        <source>%1 holds %2 names: the program takes at most %3 stages</source>
        <translation>%1 contient %2 noms : le programme prend au plus %3 stades</translation>
    </message>
    <message>
        <source>%1 is %2: %3</source>
        <translation>%1 vaut %2 : %3</translation>
    </message>
    <message>
        <source>%1 is %2, as is %3: each stage needs a name of its own</source>
        <translation>%1 vaut %2, tout comme %3 : chaque stade demande un nom à lui</translation>
    </message>
    <message>
        <source>%1: the column of %2 adds up to %3: at most all of a stage can survive</source>
        <translation>%1 : la colonne de %2 fait %3 : au plus la totalité d&apos;un stade peut survivre</translation>
    </message>
    <message>
        <source>%1: the total of N(0) is too large for the program</source>
        <translation>%1 : le total de N(0) est trop grand pour le programme</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 manque</translation>
    </message>
    <message>
        <source>%1 is %2: the file was written by a newer Velmora; this one reads versions up to %3</source>
        <translation>%1 vaut %2 : le fichier a été écrit par un Velmora plus récent ; celui-ci lit les versions jusqu&apos;à %3</translation>
    </message>
    <message>
        <source>%1 is %2, not a version from 1 to %3</source>
        <translation>%1 vaut %2, et non une version de 1 à %3</translation>
    </message>
    <message>
        <source>%1 is a key of version %2 files; this file is version %3</source>
        <translation>%1 est une clé des fichiers de version %2 ; ce fichier est de version %3</translation>
    </message>
    <message>
        <source>%1 and %2 stand in one file: a file holds either a 4-class Leslie model (&quot;fecundities&quot;, &quot;survival&quot;) or a life cycle by stages (&quot;stages&quot;, &quot;transitions&quot;, &quot;reproduction&quot;)</source>
        <translation>%1 et %2 sont dans un même fichier : un fichier contient soit un modèle de Leslie à 4 classes (&quot;fecundities&quot;, &quot;survival&quot;), soit un cycle de vie par stades (&quot;stages&quot;, &quot;transitions&quot;, &quot;reproduction&quot;)</translation>
    </message>
    <message>
        <source>the file holds no model: it needs &quot;fecundities&quot; and &quot;survival&quot; for a 4-class Leslie model, or &quot;stages&quot;, &quot;transitions&quot; and &quot;reproduction&quot; for a life cycle by stages</source>
        <translation>le fichier ne contient aucun modèle : il lui faut &quot;fecundities&quot; et &quot;survival&quot; pour un modèle de Leslie à 4 classes, ou &quot;stages&quot;, &quot;transitions&quot; et &quot;reproduction&quot; pour un cycle de vie par stades</translation>
    </message>
    <message>
        <source>%1 is %2: it must be text in double quotes</source>
        <translation>%1 vaut %2 : cela doit être du texte entre guillemets doubles</translation>
    </message>
    <message>
        <source>%1 is %2: it must be a list of %3 numbers, such as [%4]</source>
        <translation>%1 vaut %2 : cela doit être une liste de %3 nombres, comme [%4]</translation>
    </message>
    <message>
        <source>%1 is %2: it must be a number</source>
        <translation>%1 vaut %2 : cela doit être un nombre</translation>
    </message>
    <message>
        <source>%1 is %2: it must be a list of stage names in double quotes, such as [&quot;seeds&quot;, &quot;adults&quot;]</source>
        <translation>%1 vaut %2 : cela doit être une liste de noms de stades entre guillemets doubles, comme [&quot;seeds&quot;, &quot;adults&quot;]</translation>
    </message>
    <message>
        <source>%1 is %2: a stage name must be text in double quotes</source>
        <translation>%1 vaut %2 : un nom de stade doit être du texte entre guillemets doubles</translation>
    </message>
    <message>
        <source>%1 is %2: it must be a list of %3, one for each stage, each a list of %4</source>
        <translation>%1 vaut %2 : cela doit être une liste de %3, une par stade, chacune une liste de %4</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 ligne</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <source>%1 is %2: it must be a row of %3, one for each stage</source>
        <translation>%1 vaut %2 : cela doit être une ligne de %3, un par stade</translation>
    </message>
    <message>
        <source>%1[%2] is %3: it must be a number</source>
        <translation>%1[%2] vaut %3 : cela doit être un nombre</translation>
    </message>
    <message>
        <source>%1 is %2: it must be a list of %3, one for each stage</source>
        <translation>%1 vaut %2 : cela doit être une liste de %3, un par stade</translation>
    </message>
    <message>
        <source>%1%2 is %3: it must be a list of stage names in double quotes</source>
        <translation>%1%2 vaut %3 : cela doit être une liste de noms de stades entre guillemets doubles</translation>
    </message>
    <message>
        <source>%1%2 is []: leave it out to take every stage</source>
        <translation>%1%2 vaut [] : omettez-le pour prendre tous les stades</translation>
    </message>
    <message>
        <source>%1%2 is %3, which is not the name of a stage of the model</source>
        <translation>%1%2 vaut %3, qui n&apos;est le nom d&apos;aucun stade du modèle</translation>
    </message>
    <message>
        <source>%1%2 is %3, named twice</source>
        <translation>%1%2 vaut %3, nommé deux fois</translation>
    </message>
    <message>
        <source>%1 is %2: it must be {&quot;form&quot;: &quot;beverton-holt&quot;, &quot;capacity&quot;: K} with &quot;ricker&quot; or &quot;ceiling&quot; as other forms</source>
        <translation>%1 vaut %2 : cela doit être {&quot;form&quot;: &quot;beverton-holt&quot;, &quot;capacity&quot;: K} avec &quot;ricker&quot; ou &quot;ceiling&quot; comme autres formes</translation>
    </message>
    <message>
        <source>unknown key %1 in %2</source>
        <translation>clé inconnue %1 dans %2</translation>
    </message>
    <message>
        <source>&quot;form&quot; in %1 is missing</source>
        <translation>&quot;form&quot; manque dans %1</translation>
    </message>
    <message>
        <source>&quot;form&quot; in %1 is %2, not &quot;beverton-holt&quot;, &quot;ricker&quot; or &quot;ceiling&quot;</source>
        <translation>&quot;form&quot; dans %1 vaut %2, et non &quot;beverton-holt&quot;, &quot;ricker&quot; ou &quot;ceiling&quot;</translation>
    </message>
    <message>
        <source>&quot;capacity&quot; in %1 is missing</source>
        <translation>&quot;capacity&quot; manque dans %1</translation>
    </message>
    <message>
        <source>&quot;capacity&quot; in %1 is %2: K must be a number above 0</source>
        <translation>&quot;capacity&quot; dans %1 vaut %2 : K doit être un nombre au-dessus de 0</translation>
    </message>
    <message>
        <source> in %1</source>
        <translation> dans %1</translation>
    </message>
    <message>
        <source>%1: a stage of the model never dies, so R0 has no value and K cannot set the strength of the density dependence</source>
        <translation>%1 : un stade du modèle ne meurt jamais, donc R0 n&apos;a pas de valeur et K ne peut pas fixer la force de la densité-dépendance</translation>
    </message>
    <message>
        <source>%1: R0 is %2, and a population that settles at K must more than replace itself when sparse (R0 above 1)</source>
        <translation>%1 : R0 vaut %2, et une population qui se stabilise à K doit plus que se remplacer quand elle est rare (R0 au-dessus de 1)</translation>
    </message>
    <message>
        <source>%1 is missing: this is not a Velmora model file</source>
        <translation>%1 manque : ce n&apos;est pas un fichier de modèle Velmora</translation>
    </message>
    <message>
        <source>%1 is %2, not &quot;%3&quot;: this is not a Velmora model file</source>
        <translation>%1 vaut %2, et non &quot;%3&quot; : ce n&apos;est pas un fichier de modèle Velmora</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written: %2</source>
        <translation>&quot;%1&quot; n&apos;a pas été écrit : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>&quot;%1&quot; n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2; the model opened without its exercise</source>
        <translation>&quot;%1&quot; : %2 ; le modèle s&apos;est ouvert sans son exercice</translation>
    </message>
    <message>
        <source>%1 is %2 x %3: it must have a row and a column for each of the %4</source>
        <translation>%1 est de %2 x %3 : il doit avoir une ligne et une colonne pour chacun des %4</translation>
    </message>
    <message>
        <source>%1 holds %2: it must hold one for each of the %3</source>
        <translation>%1 contient %2 : il doit en contenir un pour chacun des %3</translation>
    </message>
    <message>
        <source>this is not JSON: %1 at %2</source>
        <translation>ce n&apos;est pas du JSON : %1 à %2</translation>
    </message>
    <message>
        <source>this is not a Velmora model file: it holds no {...} object</source>
        <translation>ce n&apos;est pas un fichier de modèle Velmora : il ne contient aucun objet {...}</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>il ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB, far more than a model needs</source>
        <translation>il dépasse 1 MiB, bien plus qu&apos;il n&apos;en faut pour un modèle</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 est vide</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number</source>
        <translation>%1 : &quot;%2&quot; n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1: %2 is too large for the program</source>
        <translation>%1 : %2 est trop grand pour le programme</translation>
    </message>
    <message>
        <source>%1: %2 is below 0; rates and numbers of animals are at least 0</source>
        <translation>%1 : %2 est sous 0 ; les taux et les nombres d&apos;animaux sont au moins 0</translation>
    </message>
    <message>
        <source>1 value</source>
        <translation>1 valeur</translation>
    </message>
    <message>
        <source>%1 values</source>
        <translation>%1 valeurs</translation>
    </message>
    <message>
        <source>a model has 1 to %1 stages, not %2</source>
        <translation>un modèle a de 1 à %1 stades, et non %2</translation>
    </message>
    <message>
        <source>value %1</source>
        <extracomment>Where a value stands: &quot;row 2, value 1&quot;; %1 is the row (&quot;row 2&quot;).</extracomment>
        <translation>valeur %1</translation>
    </message>
    <message>
        <source>%1, value %2</source>
        <translation>%1, valeur %2</translation>
    </message>
    <message>
        <source>a stage needs a name</source>
        <translation>un stade demande un nom</translation>
    </message>
    <message>
        <source>a stage name must not begin or end with a blank</source>
        <translation>un nom de stade ne doit pas commencer ni finir par une espace</translation>
    </message>
    <message>
        <source>a stage name must be at most %1 characters long</source>
        <translation>un nom de stade doit faire au plus %1 caractères</translation>
    </message>
    <message>
        <source>a stage name must be one line without tabs or control characters</source>
        <translation>un nom de stade doit être une ligne sans tabulations ni caractères de contrôle</translation>
    </message>
    <message>
        <source>a stage name must be UTF-8 text</source>
        <translation>un nom de stade doit être du texte UTF-8</translation>
    </message>
    <message>
        <source>%1 names: the program takes at most %2</source>
        <extracomment>%2 is a number of stages (&quot;100 stages&quot;).</extracomment>
        <translation>%1 noms : le programme prend au plus %2</translation>
    </message>
    <message>
        <source>name %1</source>
        <translation>nom %1</translation>
    </message>
    <message>
        <source>%1 (&quot;%2&quot;) is an earlier name as well: each stage needs a name of its own</source>
        <translation>%1 (&quot;%2&quot;) est aussi un nom précédent : chaque stade demande un nom à lui</translation>
    </message>
    <message>
        <source>%1 for %2: one row for each stage, separated by &quot;;&quot;</source>
        <extracomment>%1 is a number of rows (&quot;3 rows&quot;), %2 one of stages (&quot;2 stages&quot;).</extracomment>
        <translation>%1 pour %2 : une ligne par stade, séparées par &quot;;&quot;</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>%1 holds %2 for %3: one for each stage, separated by &quot;,&quot;</source>
        <extracomment>%1 is the row (&quot;row 2&quot;), %2 a number of values, %3 one of stages.</extracomment>
        <translation>%1 contient %2 pour %3 : une par stade, séparées par &quot;,&quot;</translation>
    </message>
    <message>
        <source>%1 for %2: one for each stage, separated by &quot;,&quot;</source>
        <extracomment>%1 is a number of values (&quot;3 values&quot;), %2 one of stages (&quot;2 stages&quot;).</extracomment>
        <translation>%1 pour %2 : une par stade, séparées par &quot;,&quot;</translation>
    </message>
</context>
</TS>
