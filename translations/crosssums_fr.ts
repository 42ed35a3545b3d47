<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BoardSpeech</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>: </source>
        <translation> : </translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Grilles</translation>
    </message>
    <message numerus="yes">
        <source>%n puzzles selected</source>
        <translation>
            <numerusform>%n grille sélectionnée</numerusform>
            <numerusform>%n grilles sélectionnées</numerusform>
        </translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valeurs</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n squares</source>
        <translation>
            <numerusform>%1 en %n case</numerusform>
            <numerusform>%1 en %n cases</numerusform>
        </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Puzzle %1</source>
        <translation>Grille %1</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>endommagée</translation>
    </message>
    <message numerus="yes">
        <source>%1 x %2, %n star</source>
        <translation>
            <numerusform>%1 x %2, %n étoile</numerusform>
            <numerusform>%1 x %2, %n étoiles</numerusform>
        </translation>
    </message>
    <message>
        <source>, solved</source>
        <translation>, résolue</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message numerus="yes">
        <source>across %1 in %n squares</source>
        <translation>
            <numerusform>horizontal %1 en %n case</numerusform>
            <numerusform>horizontal %1 en %n cases</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>down %1 in %n squares</source>
        <translation>
            <numerusform>vertical %1 en %n case</numerusform>
            <numerusform>vertical %1 en %n cases</numerusform>
        </translation>
    </message>
    <message>
        <source>blank</source>
        <translation>sans somme</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>faux</translation>
    </message>
    <message>
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>marks %1</source>
        <translation>notes %1</translation>
    </message>
    <message>
        <source>answer missing</source>
        <translation>la solution n’y est pas</translation>
    </message>
    <message>
        <source>answer among them</source>
        <translation>la solution y est</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Indice : %1</translation>
    </message>
    <message>
        <source>Solving a puzzle; the cursor is on %1.</source>
        <translation>Résolution d’une grille ; le curseur est sur %1.</translation>
    </message>
    <message numerus="yes">
        <source>Squares changed: %n.</source>
        <translation>
            <numerusform>Cases modifiées : %n.</numerusform>
            <numerusform>Cases modifiées : %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Checked: nothing wrong.</source>
        <translation>Vérifié : aucune erreur.</translation>
    </message>
    <message>
        <source>Checked. Wrong entries: %1. Marks that leave out the answer: %2.</source>
        <translation>Vérifié. Chiffres faux : %1. Notes sans la solution : %2.</translation>
    </message>
    <message>
        <source>The puzzle is solved.</source>
        <translation>La grille est résolue.</translation>
    </message>
    <message>
        <source>Solve mode.</source>
        <translation>Mode résolution.</translation>
    </message>
    <message>
        <source>Erase mode.</source>
        <translation>Mode effacement.</translation>
    </message>
    <message>
        <source>Fill mode.</source>
        <translation>Mode remplissage.</translation>
    </message>
    <message>
        <source>The digit keys mark.</source>
        <translation>Les touches de chiffres notent.</translation>
    </message>
    <message>
        <source>The digit keys enter.</source>
        <translation>Les touches de chiffres placent.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Make, solve and print Cross Sums puzzles.
Qt&apos;s standard options (-platform NAME, -display DISPLAY, -style NAME, ...) are accepted as well.</source>
        <translation>Créer, résoudre et imprimer des grilles de Kakuro.
Les options standard de Qt (-platform NOM, -display AFFICHAGE, -style NOM, ...) sont aussi acceptées.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Shows the game&apos;s version and exits.</source>
        <translation>Affiche la version du jeu et quitte.</translation>
    </message>
    <message>
        <source>Keeps the puzzles in FILE instead of the game&apos;s own data file (nothing is imported). Its lock, links and what may not be written over are treated as for the game&apos;s own file.</source>
        <translation>Garde les grilles dans FICHIER au lieu du fichier de données du jeu (rien n’est importé). Le verrou, les liens et ce qui ne doit pas être écrasé sont traités comme pour le fichier du jeu.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>try --help</source>
        <translation>essayez --help</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>--data is given twice</source>
        <translation>--data est donné deux fois</translation>
    </message>
    <message>
        <source>--data needs a file name</source>
        <translation>--data demande un nom de fichier</translation>
    </message>
</context>
<context>
    <name>DesktopAccess</name>
    <message>
        <source>Total</source>
        <translation>Somme</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Cases</translation>
    </message>
    <message numerus="yes">
        <source>%n star puzzles to create</source>
        <translation>
            <numerusform>Grilles à %n étoile à créer</numerusform>
            <numerusform>Grilles à %n étoiles à créer</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: one more</source>
        <translation>%1 : un de plus</translation>
    </message>
    <message>
        <source>%1: one less</source>
        <translation>%1 : un de moins</translation>
    </message>
</context>
<context>
    <name>Logic</name>
    <message numerus="yes">
        <source>The %1 needs %2 in %n squares, so it allows %3 here.</source>
        <translation>
            <numerusform>Le bloc %1 demande %2 en %n case, il permet donc ici %3.</numerusform>
            <numerusform>Le bloc %1 demande %2 en %n cases, il permet donc ici %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %1 holds %2 already and needs %3 more in its %n open squares, so it allows %4 here.</source>
        <translation>
            <numerusform>Le bloc %1 contient déjà %2 et il lui faut encore %3 dans sa %n case ouverte, il permet donc ici %4.</numerusform>
            <numerusform>Le bloc %1 contient déjà %2 et il lui faut encore %3 dans ses %n cases ouvertes, il permet donc ici %4.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is already in the %2, so this square cannot hold it.</source>
        <translation>%1 est déjà dans le bloc %2, donc cette case ne peut pas le contenir.</translation>
    </message>
    <message>
        <source>%1 are already in the %2, so this square cannot hold them.</source>
        <translation>%1 sont déjà dans le bloc %2, donc cette case ne peut pas les contenir.</translation>
    </message>
    <message>
        <source>%1 is already in it.</source>
        <translation>%1 y est déjà.</translation>
    </message>
    <message>
        <source>%1 are already in it.</source>
        <translation>%1 y sont déjà.</translation>
    </message>
    <message>
        <source>%1 is only %2.</source>
        <translation>%1 ne fait que %2.</translation>
    </message>
    <message>
        <source>Even %1 is only %2.</source>
        <translation>Même %1 ne fait que %2.</translation>
    </message>
    <message>
        <source>%1 is already %2.</source>
        <translation>%1 fait déjà %2.</translation>
    </message>
    <message>
        <source>Even %1 is already %2.</source>
        <translation>Même %1 fait déjà %2.</translation>
    </message>
    <message>
        <source>Its combinations are %1, and none of them uses %2.</source>
        <translation>Ses combinaisons sont %1, et aucune n’utilise %2.</translation>
    </message>
    <message>
        <source>Its other square holds %1, so this one holds %2.</source>
        <translation>Son autre case contient %1, donc celle-ci contient %2.</translation>
    </message>
    <message>
        <source>Its other open square holds %1, so this one holds %2.</source>
        <translation>Son autre case ouverte contient %1, donc celle-ci contient %2.</translation>
    </message>
    <message numerus="yes">
        <source>Its other %n open squares add up to at least %1 and at most %2.</source>
        <translation>
            <numerusform>Son autre case ouverte fait au moins %1 et au plus %2.</numerusform>
            <numerusform>Ses %n autres cases ouvertes font au moins %1 et au plus %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Two of them cannot both be %1, nor both be %2.</source>
        <translation>Deux d’entre elles ne peuvent valoir toutes deux %1, ni toutes deux %2.</translation>
    </message>
    <message>
        <source>Two of them cannot both be %1.</source>
        <translation>Deux d’entre elles ne peuvent valoir toutes deux %1.</translation>
    </message>
    <message>
        <source>So this one holds %1.</source>
        <translation>Celle-ci contient donc %1.</translation>
    </message>
    <message>
        <source>Of its combinations only %1 fits the digits still open in its squares.</source>
        <translation>De ses combinaisons, seule %1 convient aux chiffres encore ouverts dans ses cases.</translation>
    </message>
    <message>
        <source>Its combinations %1 all fit the digits still open in its squares.</source>
        <translation>Ses combinaisons %1 conviennent toutes aux chiffres encore ouverts dans ses cases.</translation>
    </message>
    <message numerus="yes">
        <source>All its %n combinations fit the digits still open in its squares.</source>
        <translation>
            <numerusform>Sa %n combinaison convient aux chiffres encore ouverts dans ses cases.</numerusform>
            <numerusform>Ses %n combinaisons conviennent toutes aux chiffres encore ouverts dans ses cases.</numerusform>
        </translation>
    </message>
    <message>
        <source>Of its combinations only %1 fit the digits still open in its squares.</source>
        <translation>De ses combinaisons, seules %1 conviennent aux chiffres encore ouverts dans ses cases.</translation>
    </message>
    <message numerus="yes">
        <source>%n of its %1 combinations fit the digits still open in its squares.</source>
        <translation>
            <numerusform>%n de ses %1 combinaisons convient aux chiffres encore ouverts dans ses cases.</numerusform>
            <numerusform>%n de ses %1 combinaisons conviennent aux chiffres encore ouverts dans ses cases.</numerusform>
        </translation>
    </message>
    <message>
        <source>Placed in the run&apos;s squares as their digits allow, it leaves this square only %1.</source>
        <translation>Placée dans les cases du bloc comme leurs chiffres le permettent, elle ne laisse à cette case que %1.</translation>
    </message>
    <message>
        <source>Placed in the run&apos;s squares as their digits allow, they leave this square only %1.</source>
        <translation>Placées dans les cases du bloc comme leurs chiffres le permettent, elles ne laissent à cette case que %1.</translation>
    </message>
    <message>
        <source>The %1 is a single square, so it holds %2.</source>
        <translation>Le bloc %1 n’a qu’une case, elle contient donc %2.</translation>
    </message>
    <message>
        <source>This is the last open square of the %1: %2 less the %3 already in it leaves %4.</source>
        <translation>C’est la dernière case ouverte du bloc %1 : %2 moins les %3 déjà placés laisse %4.</translation>
    </message>
    <message>
        <source>The digits still open here are %1.</source>
        <translation>Les chiffres encore ouverts ici sont %1.</translation>
    </message>
    <message>
        <source>Only %1 fits both runs, so this square holds %1.</source>
        <translation>Seul %1 convient aux deux blocs, donc cette case contient %1.</translation>
    </message>
    <message>
        <source>Only %1 make that.</source>
        <translation>Seuls %1 font ce total.</translation>
    </message>
    <message>
        <source>Every combination for that (%1) uses %2.</source>
        <translation>Chaque combinaison pour cela (%1) utilise %2.</translation>
    </message>
    <message>
        <source>Every combination for that uses %1.</source>
        <translation>Chaque combinaison pour cela utilise %1.</translation>
    </message>
    <message>
        <source>No other open square of the run can still hold %1, so this square holds %1.</source>
        <translation>Aucune autre case ouverte du bloc ne peut encore contenir %1, donc cette case contient %1.</translation>
    </message>
    <message>
        <source>In the %1, the squares in rows %2 can only hold %3 between them, so no other square of the run can hold those digits.</source>
        <translation>Dans le bloc %1, les cases des lignes %2 ne peuvent contenir à elles toutes que %3, donc aucune autre case du bloc ne peut contenir ces chiffres.</translation>
    </message>
    <message>
        <source>In the %1, the squares in columns %2 can only hold %3 between them, so no other square of the run can hold those digits.</source>
        <translation>Dans le bloc %1, les cases des colonnes %2 ne peuvent contenir à elles toutes que %3, donc aucune autre case du bloc ne peut contenir ces chiffres.</translation>
    </message>
    <message>
        <source>the %1</source>
        <translation>le bloc %1</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Take %1: it makes %2.</source>
        <translation>Prenez %1 : il fait %2.</translation>
    </message>
    <message>
        <source>Take %1: together they make %2.</source>
        <translation>Prenez %1 : ensemble ils font %2.</translation>
    </message>
    <message>
        <source>Of their squares, %1 covers all but %2, and makes %3.</source>
        <translation>De leurs cases, %1 couvre toutes sauf %2 et fait %3.</translation>
    </message>
    <message>
        <source>Of their squares, %1 cover all but %2, and make %3.</source>
        <translation>De leurs cases, %1 couvrent toutes sauf %2 et font %3.</translation>
    </message>
    <message>
        <source>So that square holds %1.</source>
        <translation>Cette case-là contient donc %1.</translation>
    </message>
    <message numerus="yes">
        <source>So those %n squares add up to %1.</source>
        <translation>
            <numerusform>Cette %n case fait donc %1.</numerusform>
            <numerusform>Ces %n cases font donc %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>With %1 already there, the open one makes %2.</source>
        <translation>Avec %1 déjà en place, la case ouverte fait %2.</translation>
    </message>
    <message numerus="yes">
        <source>With %1 already there, the %n open ones make %2.</source>
        <translation>
            <numerusform>Avec %1 déjà en place, la %n case ouverte fait %2.</numerusform>
            <numerusform>Avec %1 déjà en place, les %n cases ouvertes font %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>No way of filling them from the digits still open in them makes that with %1 here.</source>
        <translation>Aucune façon de les remplir avec les chiffres encore ouverts n’y parvient avec %1 ici.</translation>
    </message>
    <message>
        <source>Suppose %1 held %2.</source>
        <translation>Supposons que %1 contienne %2.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Then %1 would hold %2 (%3).</source>
        <translation>Alors %1 contiendrait %2 (%3).</translation>
    </message>
    <message>
        <source>Then %1 could not hold %2 (%3).</source>
        <translation>Alors %1 ne pourrait pas contenir %2 (%3).</translation>
    </message>
    <message>
        <source>Then the %1 would hold %2 twice.</source>
        <translation>Alors le bloc %1 contiendrait deux fois %2.</translation>
    </message>
    <message>
        <source>Then the %1 could not be completed: no digits left in its squares make its total.</source>
        <translation>Alors le bloc %1 ne pourrait pas être complété : aucun des chiffres restant dans ses cases ne fait son total.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>down %1</source>
        <translation>%1 vertical</translation>
    </message>
    <message>
        <source>across %1</source>
        <translation>%1 horizontal</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message numerus="yes">
        <source>The %1 needs %2 in %n squares.</source>
        <translation>
            <numerusform>Le bloc %1 demande %2 en %n case.</numerusform>
            <numerusform>Le bloc %1 demande %2 en %n cases.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %1 holds %2 already, so it needs %3 more in its %n open squares.</source>
        <translation>
            <numerusform>Le bloc %1 contient déjà %2, il lui faut donc encore %3 dans sa %n case ouverte.</numerusform>
            <numerusform>Le bloc %1 contient déjà %2, il lui faut donc encore %3 dans ses %n cases ouvertes.</numerusform>
        </translation>
    </message>
    <message>
        <source>So this square cannot hold %1.</source>
        <translation>Donc cette case ne peut pas contenir %1.</translation>
    </message>
    <message>
        <source>This square cannot hold %1.</source>
        <translation>Cette case ne peut pas contenir %1.</translation>
    </message>
    <message>
        <source>So this square holds %1.</source>
        <translation>Donc cette case contient %1.</translation>
    </message>
    <message>
        <source>This square holds %1.</source>
        <translation>Cette case contient %1.</translation>
    </message>
    <message>
        <source>Of %1, still open here, only %2 is left, so this square holds %2.</source>
        <translation>De %1, encore ouverts ici, seul %2 reste, donc cette case contient %2.</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <source>%1; and %2</source>
        <translation>%1 ; et %2</translation>
    </message>
    <message>
        <source>rows %1 of column %2</source>
        <translation>lignes %1 de la colonne %2</translation>
    </message>
    <message>
        <source>columns %1 of row %2</source>
        <translation>colonnes %1 de la ligne %2</translation>
    </message>
    <message numerus="yes">
        <source>Its other %n open squares add up to exactly %1.</source>
        <translation>
            <numerusform>Son autre case ouverte fait exactement %1.</numerusform>
            <numerusform>Ses %n autres cases ouvertes font exactement %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>crosssums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cross Sums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make, solve and print Cross Sums puzzles of four sizes and five levels.</source>
        <translation>Créer, résoudre et imprimer des grilles de Kakuro de quatre tailles et cinq niveaux.</translation>
    </message>
    <message>
        <source>F1 shows the help, F2 this screen.</source>
        <translation>F1 affiche l’aide, F2 cet écran.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Puzzles and settings are kept in
%1</source>
        <translation>Les grilles et les réglages sont gardés dans
%1</translation>
    </message>
    <message>
        <source>Cross Sums Help</source>
        <translation>Aide du Kakuro</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Select and solve</source>
        <translation>Choisir et résoudre</translation>
    </message>
    <message>
        <source>Solve XSums puzzle</source>
        <translation>Résoudre une grille</translation>
    </message>
    <message>
        <source>Manage XSums puzzles</source>
        <translation>Gérer les grilles</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Screen setup</source>
        <translation>Réglage de l’écran</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Conseils</translation>
    </message>
    <message>
        <source>Hints and Examples</source>
        <translation>Conseils et exemples</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Your times, hints and practice</source>
        <translation>Vos temps, indices et exercices</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Show help file</source>
        <translation>Afficher l’aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Information - about box</source>
        <translation>Informations sur le jeu</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>You have reached the minimum screen width for your current font size.</source>
        <translation>Vous avez atteint la largeur minimale de l’écran pour la taille de police actuelle.</translation>
    </message>
    <message>
        <source>You have reached the minimum screen height for your current font size.</source>
        <translation>Vous avez atteint la hauteur minimale de l’écran pour la taille de police actuelle.</translation>
    </message>
    <message>
        <source>Your computer font size is set at extra large fonts.
<byte value="xd"/>
<byte value="xd"/>The program is optimized for regular and large fonts.
<byte value="xd"/>
<byte value="xd"/>All text will be easily readable, but using this font size may result in some characters being truncated at the bottom of the text.</source>
        <translation>La taille de police de votre ordinateur est réglée sur très grandes polices.
<byte value="xd"/>
<byte value="xd"/>Le programme est prévu pour les polices normales et grandes.
<byte value="xd"/>
<byte value="xd"/>Tout le texte restera lisible, mais avec cette taille certains caractères risquent d’être coupés en bas.</translation>
    </message>
    <message>
        <source>You have made changes since your last save.</source>
        <translation>Vous avez fait des changements depuis le dernier enregistrement.</translation>
    </message>
    <message>
        <source>Save this puzzle with your latest changes</source>
        <translation>Enregistrer cette grille avec les derniers changements</translation>
    </message>
    <message>
        <source>Cancel the changes</source>
        <translation>Annuler les changements</translation>
    </message>
    <message>
        <source>Try the save again</source>
        <translation>Réessayer l’enregistrement</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Fermer sans enregistrer</translation>
    </message>
    <message>
        <source>.session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save this session&apos;s puzzles in a new file</source>
        <translation>Enregistrer les grilles de cette séance dans un nouveau fichier</translation>
    </message>
    <message>
        <source>Close without saving them</source>
        <translation>Fermer sans les enregistrer</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>un autre programme</translation>
    </message>
    <message>
        <source>that program</source>
        <translation>ce programme</translation>
    </message>
    <message>
        <source>a file is there now</source>
        <translation>un fichier s’y trouve maintenant</translation>
    </message>
    <message>
        <source>
<byte value="xd"/>
<byte value="xd"/>The puzzles of this session are still here: try the save again once the cause is mended, or close without saving them.</source>
        <translation>
<byte value="xd"/>
<byte value="xd"/>Les grilles de cette séance sont toujours là : réessayez l’enregistrement une fois la cause réparée, ou fermez sans les enregistrer.</translation>
    </message>
    <message>
        <source> This session holds no puzzles, so nothing is saved.</source>
        <translation> Cette séance ne contient aucune grille, rien n’est donc enregistré.</translation>
    </message>
    <message>
        <source>
<byte value="xd"/>
<byte value="xd"/>The puzzles of this session can be saved in a new file beside it, or not at all.</source>
        <translation>
<byte value="xd"/>
<byte value="xd"/>Les grilles de cette séance peuvent être enregistrées dans un nouveau fichier à côté, ou pas du tout.</translation>
    </message>
    <message>
        <source>
<byte value="xd"/>
<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cross Sums Puzzles</source>
        <translation>Grilles de Kakuro</translation>
    </message>
    <message>
        <source>Current Screen</source>
        <translation>Écran actuel</translation>
    </message>
    <message>
        <source>What are Cross Sums ?</source>
        <translation>Qu’est-ce que le Kakuro ?</translation>
    </message>
    <message>
        <source>A puzzle can be added on the puzzle chooser (&quot;Select and solve&quot;) or on the list of the &quot;Create/Delete/Print&quot; screen.</source>
        <translation>Une grille peut être ajoutée dans le choix des grilles (« Choisir et résoudre ») ou dans la liste de l’écran « Créer/Supprimer/Imprimer ».</translation>
    </message>
    <message>
        <source>txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 n’est pas un fichier</translation>
    </message>
    <message>
        <source>Select a standard screen size.  You may also</source>
        <translation>Choisissez une taille standard.  Vous pouvez</translation>
    </message>
    <message>
        <source>drag the corner of the program window to resize</source>
        <translation>aussi tirer le coin de la fenêtre du programme</translation>
    </message>
    <message>
        <source>the program window as required.</source>
        <translation>pour la redimensionner à votre gré.</translation>
    </message>
    <message>
        <source>Select a font size.  The optimal font size will</source>
        <translation>Choisissez une taille de police.  La meilleure</translation>
    </message>
    <message>
        <source>depend on your personal preference, as well as</source>
        <translation>dépend de vos goûts, mais aussi de la taille</translation>
    </message>
    <message>
        <source>your system font size and your screen resolution.</source>
        <translation>de police du système et de la résolution.</translation>
    </message>
    <message>
        <source>Select a standard screen size.</source>
        <translation>Choisissez une taille standard.</translation>
    </message>
    <message>
        <source>Select a font size.</source>
        <translation>Choisissez une taille de police.</translation>
    </message>
    <message>
        <source>Screen Size :   800 x 600</source>
        <translation>Taille :   800 x 600</translation>
    </message>
    <message>
        <source>Screen Size : 1000 x 720</source>
        <translation>Taille : 1000 x 720</translation>
    </message>
    <message>
        <source>Screen Size : 1260 x 960</source>
        <translation>Taille : 1260 x 960</translation>
    </message>
    <message>
        <source>Smaller font</source>
        <translation>Petite police</translation>
    </message>
    <message>
        <source>Nominal font</source>
        <translation>Police normale</translation>
    </message>
    <message>
        <source>Bigger font</source>
        <translation>Grande police</translation>
    </message>
    <message>
        <source>Large fonts are not available with the selected screen size.</source>
        <translation>La grande police n’est pas disponible avec cette taille d’écran.</translation>
    </message>
    <message>
        <source>Set the font size to &apos;Nominal fonts&apos;</source>
        <translation>Passer à « Police normale »</translation>
    </message>
    <message>
        <source>Cancel the request to change the screen size.</source>
        <translation>Annuler le changement de taille d’écran.</translation>
    </message>
    <message>
        <source>Nominal fonts are not available with the selected screen size.</source>
        <translation>La police normale n’est pas disponible avec cette taille d’écran.</translation>
    </message>
    <message>
        <source>Set the font size to &apos;Small fonts&apos;</source>
        <translation>Passer à « Petite police »</translation>
    </message>
    <message>
        <source>Size selected is bigger than your screen setup parameters.
<byte value="xd"/>Resetting to maximum size allowable.</source>
        <translation>La taille choisie dépasse votre écran.
<byte value="xd"/>Elle est ramenée à la plus grande taille possible.</translation>
    </message>
    <message>
        <source>Your current screen size is not big enough for &apos;Nominal fonts.&apos;
<byte value="xd"/>
<byte value="xd"/>Please set your screen size to at least 1260 by 960 for &apos;Nominal Fonts&apos;</source>
        <translation>La taille d’écran actuelle ne suffit pas pour « Police normale ».
<byte value="xd"/>
<byte value="xd"/>Choisissez au moins 1260 x 960 pour « Police normale ».</translation>
    </message>
    <message>
        <source>Your current screen size is not big enough for &apos;Bigger fonts.&apos;
<byte value="xd"/>
<byte value="xd"/>Please set your screen size to at least 1260 by 960 for &apos;Bigger Fonts&apos;</source>
        <translation>La taille d’écran actuelle ne suffit pas pour « Grande police ».
<byte value="xd"/>
<byte value="xd"/>Choisissez au moins 1260 x 960 pour « Grande police ».</translation>
    </message>
    <message>
        <source>Your current screen size is not big enough for &apos;Nominal fonts.&apos;
<byte value="xd"/>
<byte value="xd"/>Please set your screen size to at least 1000 by 720 for &apos;Nominal Fonts&apos;</source>
        <translation>La taille d’écran actuelle ne suffit pas pour « Police normale ».
<byte value="xd"/>
<byte value="xd"/>Choisissez au moins 1000 x 720 pour « Police normale ».</translation>
    </message>
    <message>
        <source>Your current screen size is not big enough for &apos;Bigger fonts.&apos;
<byte value="xd"/>
<byte value="xd"/>Please set your screen size to at least 1000 by 720 for &apos;Bigger Fonts&apos;</source>
        <translation>La taille d’écran actuelle ne suffit pas pour « Grande police ».
<byte value="xd"/>
<byte value="xd"/>Choisissez au moins 1000 x 720 pour « Grande police ».</translation>
    </message>
    <message>
        <source> Please select your preferred option and then press &apos;O.K.&apos;</source>
        <translation> Choisissez une option puis appuyez sur « O.K. »</translation>
    </message>
    <message>
        <source>Print current state of puzzle i.e. include already filled numbers</source>
        <translation>Imprimer l’état actuel, avec les chiffres déjà placés</translation>
    </message>
    <message>
        <source>No option selected : Please select an option and then press O.K.</source>
        <translation>Aucune option choisie : choisissez-en une puis appuyez sur O.K.</translation>
    </message>
    <message>
        <source>xxPlease select your preferred option and then press &apos;O.K. xxxxxxxxxxxxxxxx&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation>O.K.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>X
X
X
X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no Cross Sums puzzles to solve</source>
        <translation>Il n’y a aucune grille à résoudre</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>Combinations </source>
        <translation>Combinaisons </translation>
    </message>
    <message>
        <source>for %d in %d : </source>
        <translation>pour %d en %d : </translation>
    </message>
    <message>
        <source>Click total to show possible values (shown in yellow) for the square.</source>
        <translation>Cliquez le total : les valeurs possibles de la case s’affichent en jaune.</translation>
    </message>
    <message>
        <source>Click small number to fill a square</source>
        <translation>Cliquez un petit chiffre pour remplir la case</translation>
    </message>
    <message>
        <source>Re-click to return to possible values</source>
        <translation>Recliquez pour revenir aux valeurs possibles</translation>
    </message>
    <message>
        <source>Right-click small number to toggle possible values on and off.</source>
        <translation>Un clic droit sur un petit chiffre l’ajoute aux valeurs possibles ou l’en retire.</translation>
    </message>
    <message>
        <source>1) After filling a square, re-click the total as the possible combinations may have been reduced.</source>
        <translation>1) Après avoir rempli une case, recliquez le total : les combinaisons possibles ont pu diminuer.</translation>
    </message>
    <message>
        <source>    Note : The possible combinations are only reduced when a square has actually been filled.</source>
        <translation>    Remarque : les combinaisons ne diminuent que lorsqu’une case est vraiment remplie.</translation>
    </message>
    <message>
        <source>2) Use the &apos;Save&apos; button to save the current state of the puzzle, including the yellow highlighted values.</source>
        <translation>2) « Sauver » garde l’état actuel de la grille, valeurs surlignées en jaune comprises.</translation>
    </message>
    <message>
        <source>    Use the &apos;Reset&apos; button to restore the puzzle to its previous saved state.</source>
        <translation>    « Rétablir » ramène la grille à son dernier état enregistré.</translation>
    </message>
    <message>
        <source>3) Keys : the arrows, Home, End and Tab move the blue frame.  1..9 fill its square,</source>
        <translation>3) Touches : flèches, Début, Fin et Tab déplacent le cadre bleu.  1..9 remplissent sa case,</translation>
    </message>
    <message>
        <source>    Shift+1..9 (or 1..9 after pressing M) mark values;  0, Delete or Backspace clear it.</source>
        <translation>    Maj+1..9 (ou 1..9 après M) notent des valeurs ;  0, Suppr ou Retour arrière la vident.</translation>
    </message>
    <message>
        <source>    Enter or Space clicks its across total, Shift+Enter its down total.  E, F, N change mode.</source>
        <translation>    Entrée ou Espace cliquent le total horizontal, Maj+Entrée le vertical.  E, F, N changent de mode.</translation>
    </message>
    <message>
        <source>    Ctrl+Z undoes, Ctrl+Y redoes.  H shows the next step and why;  H again applies it.</source>
        <translation>    Ctrl+Z annule, Ctrl+Y rétablit.  H montre l’étape suivante et pourquoi ;  H à nouveau l’applique.</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>OU</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>An entered digit now leaves the marks of the other squares of its two runs (R turns this off).</source>
        <translation>Un chiffre placé s’efface maintenant des notes des autres cases de ses deux blocs (R désactive).</translation>
    </message>
    <message>
        <source>Entered digits no longer change marks (R turns this on).</source>
        <translation>Les chiffres placés ne changent plus les notes (R active).</translation>
    </message>
    <message>
        <source>Runs whose digits repeat or add up to more than their total are framed in red (D turns this off).</source>
        <translation>Les blocs dont un chiffre se répète ou dont la somme dépasse le total sont encadrés en rouge (D désactive).</translation>
    </message>
    <message>
        <source>Runs in conflict are no longer framed (D turns this on).</source>
        <translation>Les blocs en conflit ne sont plus encadrés (D active).</translation>
    </message>
    <message>
        <source>Select a puzzle by clicking within the grid on the left.  The preview</source>
        <translation>Choisissez une grille en cliquant dans la liste à gauche.  L’aperçu</translation>
    </message>
    <message>
        <source>screen below shows the selected puzzle.</source>
        <translation>ci-dessous montre la grille choisie.</translation>
    </message>
    <message>
        <source>Press &apos;Print this puzzle&apos; to print the puzzle (with or without answer)</source>
        <translation>« Imprimer cette grille » l’imprime (avec ou sans solution)</translation>
    </message>
    <message>
        <source>Press &apos;Solve this puzzle&apos; to solve the puzzle on screen.</source>
        <translation>« Résoudre cette grille » la résout à l’écran.</translation>
    </message>
    <message>
        <source>Legend :</source>
        <translation>Légende :</translation>
    </message>
    <message>
        <source>1 Star</source>
        <translation>1 étoile</translation>
    </message>
    <message>
        <source>2 Star</source>
        <translation>2 étoiles</translation>
    </message>
    <message>
        <source>3 Star</source>
        <translation>3 étoiles</translation>
    </message>
    <message>
        <source>4 Star</source>
        <translation>4 étoiles</translation>
    </message>
    <message>
        <source>5 Star</source>
        <translation>5 étoiles</translation>
    </message>
    <message>
        <source>Print this puzzle</source>
        <translation>Imprimer cette grille</translation>
    </message>
    <message>
        <source>Solve this puzzle</source>
        <translation>Résoudre cette grille</translation>
    </message>
    <message>
        <source>in</source>
        <translation>en</translation>
    </message>
    <message>
        <source>Not a valid combination</source>
        <translation>Combinaison impossible</translation>
    </message>
    <message>
        <source>Move to side</source>
        <translation>Sur le côté</translation>
    </message>
    <message>
        <source>Move to top</source>
        <translation>En haut</translation>
    </message>
    <message>
        <source>Pan up</source>
        <translation>Défiler vers le haut</translation>
    </message>
    <message>
        <source>Pan down</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <source>Pan left</source>
        <translation>Défiler vers la gauche</translation>
    </message>
    <message>
        <source>Pan right</source>
        <translation>Défiler vers la droite</translation>
    </message>
    <message>
        <source>Select mode</source>
        <translation>Choisir le mode</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Solve Mode</source>
        <translation>Mode résolution</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Erase Mode</source>
        <translation>Mode effacement</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>Fill Mode</source>
        <translation>Mode remplissage</translation>
    </message>
    <message>
        <source>... more</source>
        <translation>... plus</translation>
    </message>
    <message>
        <source>More Information</source>
        <translation>Plus d’informations</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Plus grand</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Plus petit</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Backstep</source>
        <translation>Revenir d’un pas</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Check entire puzzle</source>
        <translation>Vérifier toute la grille</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Erase entire puzzle</source>
        <translation>Effacer toute la grille</translation>
    </message>
    <message>
        <source>Fill All</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Fill entire puzzle</source>
        <translation>Remplir toute la grille</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Reset from hard drive</source>
        <translation>Reprendre l’état enregistré</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sauver</translation>
    </message>
    <message>
        <source>Save to hard drive</source>
        <translation>Enregistrer sur le disque</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print puzzle/answer</source>
        <translation>Imprimer grille/solution</translation>
    </message>
    <message>
        <source>Return to main screen</source>
        <translation>Retour au choix des grilles</translation>
    </message>
    <message>
        <source>to fill a square.  Click the total to show all</source>
        <translation>pour remplir la case.  Le total montre</translation>
    </message>
    <message>
        <source>Time on this puzzle (hide it on the Progress screen)</source>
        <translation>Temps passé sur cette grille (à masquer dans l’écran Progrès)</translation>
    </message>
    <message>
        <source>Hint: </source>
        <translation>Indice : </translation>
    </message>
    <message>
        <source>Press &apos;O.K.&apos; to fill the answers in this puzzle
<byte value="xd"/>Press &apos;Cancel&apos; to cancel the request.</source>
        <translation>« O.K. » place les solutions dans cette grille.
<byte value="xd"/>« Annuler » annule la demande.</translation>
    </message>
    <message>
        <source>Press &apos;O.K.&apos; to clear all answers from this puzzle
<byte value="xd"/>Press &apos;Cancel&apos; to cancel the request.</source>
        <translation>« O.K. » efface tous les chiffres de cette grille.
<byte value="xd"/>« Annuler » annule la demande.</translation>
    </message>
    <message>
        <source>Press &apos;O.K.&apos; to save the current state of this puzzle.
<byte value="xd"/>Press &apos;Cancel&apos; to cancel the request.</source>
        <translation>« O.K. » enregistre l’état actuel de cette grille.
<byte value="xd"/>« Annuler » annule la demande.</translation>
    </message>
    <message>
        <source>Press &apos;O.K.&apos; to reset this puzzle to its last saved version.
<byte value="xd"/>Press &apos;Cancel&apos; to cancel the request.</source>
        <translation>« O.K. » ramène cette grille à son dernier état enregistré.
<byte value="xd"/>« Annuler » annule la demande.</translation>
    </message>
    <message>
        <source>   Erase Mode : Click a square to</source>
        <translation>   Mode effacement : cliquez une case</translation>
    </message>
    <message>
        <source>   erase the answer - or click, hold</source>
        <translation>   pour l’effacer - ou cliquez, tenez</translation>
    </message>
    <message>
        <source>   and hover over squares to erase.</source>
        <translation>   et glissez sur les cases.</translation>
    </message>
    <message>
        <source>   Fill Mode : Click a square to fill</source>
        <translation>   Mode remplissage : cliquez une case</translation>
    </message>
    <message>
        <source>   the correct answer - or click, hold</source>
        <translation>   pour y mettre la solution - ou cliquez,</translation>
    </message>
    <message>
        <source>   and hover over squares to fill.</source>
        <translation>   tenez et glissez sur les cases.</translation>
    </message>
    <message>
        <source>Solve Mode, Marks on : the keys 1..9</source>
        <translation>Mode résolution, notes : les touches 1..9</translation>
    </message>
    <message>
        <source>mark possible values.  Press M again</source>
        <translation>notent les valeurs possibles.  M à nouveau</translation>
    </message>
    <message>
        <source>for the keys to fill squares.</source>
        <translation>pour que les touches remplissent.</translation>
    </message>
    <message>
        <source>Solve Mode : Click on the small 1..9 grid</source>
        <translation>Mode résolution : cliquez le petit 1..9</translation>
    </message>
    <message>
        <source>possible combinations.</source>
        <translation>toutes les combinaisons.</translation>
    </message>
    <message>
        <source>Solved : every square holds its answer.</source>
        <translation>Résolue : chaque case contient sa solution.</translation>
    </message>
    <message>
        <source>Press &apos;Save&apos; to keep it solved, &apos;Return&apos;</source>
        <translation>« Sauver » la garde résolue, « Retour »</translation>
    </message>
    <message>
        <source>to choose another puzzle.</source>
        <translation>choisit une autre grille.</translation>
    </message>
    <message>
        <source>1 star</source>
        <translation>1 ★</translation>
    </message>
    <message>
        <source>2 star</source>
        <translation>2 ★</translation>
    </message>
    <message>
        <source>3 star</source>
        <translation>3 ★</translation>
    </message>
    <message>
        <source>4 star</source>
        <translation>4 ★</translation>
    </message>
    <message>
        <source>5 star</source>
        <translation>5 ★</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>To create Cross Sums puzzles</source>
        <translation>Créer des grilles</translation>
    </message>
    <message>
        <source>Choose how many puzzles to create and their size.</source>
        <translation>Choisissez combien de grilles créer et leur taille.</translation>
    </message>
    <message>
        <source>Panel%1Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spn%1Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>To create</source>
        <translation>À créer</translation>
    </message>
    <message>
        <source>Existing</source>
        <translation>Existantes</translation>
    </message>
    <message>
        <source>Puzzle size</source>
        <translation>Taille des grilles</translation>
    </message>
    <message>
        <source>PanelCreate%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PanelExist%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create puzzles</source>
        <translation>Créer les grilles</translation>
    </message>
    <message>
        <source>To delete or print Cross Sums puzzles</source>
        <translation>Supprimer ou imprimer des grilles</translation>
    </message>
    <message>
        <source>Select all puzzles to delete or print using the buttons below, or by</source>
        <translation>Choisissez les grilles à supprimer ou imprimer avec les boutons</translation>
    </message>
    <message>
        <source>clicking the puzzle in the grid.  Selected puzzles are outlined in red.</source>
        <translation>ou en cliquant dans la liste.  Elles sont alors entourées de rouge.</translation>
    </message>
    <message>
        <source>Then press the &apos;Delete puzzles&apos; or &apos;Print options&apos; button.</source>
        <translation>Puis appuyez sur « Supprimer » ou « Options d’impression ».</translation>
    </message>
    <message>
        <source>Panel%1Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bnSelect%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Clear all highlighted</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>Delete puzzles</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Print options</source>
        <translation>Options d’impression</translation>
    </message>
    <message>
        <source>Creating puzzles</source>
        <translation>Création des grilles</translation>
    </message>
    <message>
        <source>Stop puzzle creation</source>
        <translation>Arrêter la création</translation>
    </message>
    <message>
        <source>Do you wish to stop the puzzle creation process ?
<byte value="xd"/>
<byte value="xd"/>Press &apos;O.K.&apos; to stop puzzle creation.
<byte value="xd"/>Press &apos;Cancel&apos; to continue.&quot;
<byte value="xd"/></source>
        <translation>Voulez-vous arrêter la création des grilles ?
<byte value="xd"/>
<byte value="xd"/>« O.K. » arrête la création.
<byte value="xd"/>« Annuler » continue.
<byte value="xd"/></translation>
    </message>
    <message>
        <source>No new puzzle can be stored: the library holds 100 puzzles.</source>
        <translation>Aucune nouvelle grille ne peut être gardée : la bibliothèque en contient 100.</translation>
    </message>
    <message>
        <source>The library holds 100 puzzles: delete some to make room.</source>
        <translation>La bibliothèque contient 100 grilles : supprimez-en pour faire de la place.</translation>
    </message>
    <message>
        <source>These fill the library: it holds 100 puzzles at most.</source>
        <translation>Elles remplissent la bibliothèque : elle contient 100 grilles au plus.</translation>
    </message>
    <message>
        <source>%3d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No new puzzle can be stored.</source>
        <translation>Aucune nouvelle grille ne peut être gardée.</translation>
    </message>
    <message>
        <source>Select the required print options for the puzzles and/or answers by clicking the boxes below.  The preview
screen is automatically updated, showing all pages in printer portrait or landscape mode, as indicated.</source>
        <translation>Choisissez les options d’impression des grilles et/ou des solutions dans les cases ci-dessous.  L’aperçu
suit aussitôt et montre toutes les pages en portrait ou en paysage, comme indiqué.</translation>
    </message>
    <message>
        <source>imgColor%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rbColor%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Puzzles :  Large print size</source>
        <translation>Imprimer les grilles :  grand format</translation>
    </message>
    <message>
        <source>Print Puzzles :  Small print size</source>
        <translation>Imprimer les grilles :  petit format</translation>
    </message>
    <message>
        <source>Print Answers :  Large print size</source>
        <translation>Imprimer les solutions :  grand format</translation>
    </message>
    <message>
        <source>Print Answers :  Small print size</source>
        <translation>Imprimer les solutions :  petit format</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Préc.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Fill every run with the digits 1 to 9 to make its total, no digit twice in a run</source>
        <translation>Remplir chaque bloc avec les chiffres 1 à 9 pour faire son total, sans chiffre répété dans un bloc</translation>
    </message>
    <message>
        <source>Answer to puzzle : 99999</source>
        <translation>Solution de la grille : 99999</translation>
    </message>
    <message>
        <source>the printer gave no reason</source>
        <translation>l’imprimante n’a donné aucune raison</translation>
    </message>
    <message>
        <source>The pages before it in the same job were not sent either.
<byte value="xd"/></source>
        <translation>Les pages précédentes de la même tâche n’ont pas été envoyées non plus.
<byte value="xd"/></translation>
    </message>
    <message>
        <source>Velmor Cross Sums Puzzles</source>
        <translation>Grilles de Kakuro Velmor</translation>
    </message>
    <message>
        <source>&apos;) + name + QLatin1Char(&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n’existe pas</translation>
    </message>
    <message>
        <source>the file %1 cannot be written to</source>
        <translation>le fichier %1 n’est pas modifiable</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to</source>
        <translation>le dossier %1 n’est pas modifiable</translation>
    </message>
    <message>
        <source>the file %1 could not be written</source>
        <translation>le fichier %1 n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>the document could not take the page</source>
        <translation>le document n’a pas pu recevoir la page</translation>
    </message>
    <message>
        <source>the printer %1 is not available</source>
        <translation>l’imprimante %1 n’est pas disponible</translation>
    </message>
    <message>
        <source>the printer %1 reports an error</source>
        <translation>l’imprimante %1 signale une erreur</translation>
    </message>
    <message>
        <source>the print job was cancelled</source>
        <translation>la tâche d’impression a été annulée</translation>
    </message>
    <message>
        <source>the printer %1 did not take another page</source>
        <translation>l’imprimante %1 n’a pas accepté d’autre page</translation>
    </message>
    <message>
        <source>the job could not be sent to the printer %1</source>
        <translation>la tâche n’a pas pu être envoyée à l’imprimante %1</translation>
    </message>
    <message>
        <source>the printer %1 did not begin the job</source>
        <translation>l’imprimante %1 n’a pas commencé la tâche</translation>
    </message>
    <message>
        <source>the file %1 could not be written (</source>
        <translation>le fichier %1 n’a pas pu être écrit (</translation>
    </message>
    <message>
        <source>the file %1 holds %2 of its %3 bytes</source>
        <translation>le fichier %1 contient %2 de ses %3 octets</translation>
    </message>
    <message>
        <source>page %1 could not be written: %2</source>
        <translation>la page %1 n’a pas pu être écrite : %2</translation>
    </message>
    <message>
        <source>the check was stopped before it could tell whether the puzzle has one solution</source>
        <translation>la vérification a été arrêtée avant de savoir si la grille a une seule solution</translation>
    </message>
    <message>
        <source>the puzzle has no solution</source>
        <translation>la grille n’a pas de solution</translation>
    </message>
    <message>
        <source>the puzzle is larger than 16 x 26</source>
        <translation>la grille est plus grande que 16 x 26</translation>
    </message>
    <message>
        <source>the library holds 100 puzzles: delete some to make room</source>
        <translation>la bibliothèque contient 100 grilles : supprimez-en pour faire de la place</translation>
    </message>
    <message>
        <source>the puzzle could not be stored</source>
        <translation>la grille n’a pas pu être gardée</translation>
    </message>
    <message>
        <source>Print the puzzle only</source>
        <translation>Imprimer la grille seule</translation>
    </message>
    <message>
        <source>Print the puzzle + answer on a single page</source>
        <translation>Imprimer grille et solution sur une page</translation>
    </message>
    <message>
        <source>Print the puzzle + answer on separate pages</source>
        <translation>Imprimer grille et solution sur deux pages</translation>
    </message>
    <message>
        <source>background-color: #FF0000;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>the total given in the preceding black square.</source>
        <translation>le total donné dans la case noire qui les précède.</translation>
    </message>
    <message>
        <source>Only the numbers 1-9 are used and the same number cannot be used more than once in each group.</source>
        <translation>Seuls les chiffres 1 à 9 sont utilisés, et un même chiffre ne peut figurer deux fois dans un groupe.</translation>
    </message>
    <message>
        <source>The top left corner of a typical puzzle:</source>
        <translation>Le coin supérieur gauche d’une grille typique :</translation>
    </message>
    <message>
        <source>In a black square, the number above the diagonal is the total of the white squares to its right,</source>
        <translation>Dans une case noire, le nombre au-dessus de la diagonale est le total des cases blanches à sa droite,</translation>
    </message>
    <message>
        <source>the number below the diagonal the total of those below it.</source>
        <translation>le nombre au-dessous celui des cases en dessous.</translation>
    </message>
    <message>
        <source>Here 3 and 8 are totals across, 4 and 7 totals down.</source>
        <translation>Ici, 3 et 8 sont des totaux horizontaux, 4 et 7 des totaux verticaux.</translation>
    </message>
    <message>
        <source>How its first squares are worked out, drawn as the &apos;Solve&apos; screen shows them (possible values in yellow):</source>
        <translation>Comment trouver ses premières cases, dessinées comme à l’écran de résolution (valeurs possibles en jaune) :</translation>
    </message>
    <message>
        <source>1) A total of 3 in two squares can only be 1 + 2 or 2 + 1, so both squares can only be 1 or 2.</source>
        <translation>1) Un total de 3 en deux cases ne peut être que 1 + 2 ou 2 + 1 : les deux cases valent 1 ou 2.</translation>
    </message>
    <message>
        <source>2) A total of 4 in two squares can only be 1 + 3 or 3 + 1. The square it shares with the 3 can only be 1.</source>
        <translation>2) Un total de 4 en deux cases ne peut être que 1 + 3 ou 3 + 1. La case partagée avec le 3 ne peut valoir que 1.</translation>
    </message>
    <message>
        <source>3) That square is 1.</source>
        <translation>3) Cette case vaut 1.</translation>
    </message>
    <message>
        <source>4) The others follow: 3 - 1 = 2 across and 4 - 1 = 3 down.</source>
        <translation>4) Les autres suivent : 3 - 1 = 2 en horizontal et 4 - 1 = 3 en vertical.</translation>
    </message>
    <message>
        <source>1) After filling a square, click the totals of its runs again: with a digit in place, the other squares may have fewer possible values.</source>
        <translation>1) Après avoir rempli une case, recliquez les totaux de ses blocs : avec un chiffre en place, les autres cases ont peut-être moins de valeurs possibles.</translation>
    </message>
    <message>
        <source>    A click on a total keeps only the possible values that can still make it, so clicking the across and the down total of a square narrows it from both sides.</source>
        <translation>    Un clic sur un total ne garde que les valeurs qui peuvent encore le former : cliquer le total horizontal puis le vertical d’une case la restreint des deux côtés.</translation>
    </message>
    <message>
        <source>2) &apos;Save&apos; keeps the puzzle as it stands, the possible values in yellow included. &apos;Reset&apos; takes it back to the last save.</source>
        <translation>2) « Sauver » garde la grille telle quelle, valeurs possibles en jaune comprises. « Rétablir » revient au dernier enregistrement.</translation>
    </message>
    <message>
        <source>3) In the pictures, a red frame marks where the click goes.</source>
        <translation>3) Sur les images, un cadre rouge indique où cliquer.</translation>
    </message>
    <message>
        <source>1) Click the across total 11. Four different digits make 11 only as 1 + 2 + 3 + 5, so each of its squares can only be 1, 2, 3 or 5.</source>
        <translation>1) Cliquez le total horizontal 11. Quatre chiffres différents ne font 11 que par 1 + 2 + 3 + 5 : chacune de ses cases vaut 1, 2, 3 ou 5.</translation>
    </message>
    <message>
        <source>2) Click the down totals 13 and 10. 13 in two squares needs 4 or more in each, which leaves only 5 in the square it shares with the 11. 10 in two squares cannot use a 5, which leaves 1, 2 or 3 in its square of the 11.</source>
        <translation>2) Cliquez les totaux verticaux 13 et 10. 13 en deux cases demande au moins 4 dans chacune, ce qui ne laisse que 5 dans la case partagée avec le 11. 10 en deux cases ne peut pas utiliser de 5, ce qui laisse 1, 2 ou 3 dans sa case du 11.</translation>
    </message>
    <message>
        <source>3) Click the down totals 3 and 7. 3 in two squares is 1 + 2, and 7 in three squares is 1 + 2 + 4, so the last two squares of the 11 can only be 1 or 2.</source>
        <translation>3) Cliquez les totaux verticaux 3 et 7. 3 en deux cases vaut 1 + 2, et 7 en trois cases 1 + 2 + 4 : les deux dernières cases du 11 ne peuvent valoir que 1 ou 2.</translation>
    </message>
    <message>
        <source>1) The last two squares of the 11 hold 1 and 2 between them, and its first square can only be 5, so the second is 11 - 5 - 1 - 2 = 3. Fill 5 and 3.</source>
        <translation>1) Les deux dernières cases du 11 contiennent 1 et 2, et sa première case ne peut valoir que 5 : la deuxième vaut donc 11 - 5 - 1 - 2 = 3. Placez 5 et 3.</translation>
    </message>
    <message>
        <source>2) Click the down totals 13 and 10 again: 13 - 5 leaves 8, and 10 - 3 leaves 7.</source>
        <translation>2) Recliquez les totaux verticaux 13 et 10 : 13 - 5 laisse 8, et 10 - 3 laisse 7.</translation>
    </message>
    <message>
        <source>3) Fill 8 and 7. The across total agrees: 8 + 7 = 15, and the top left corner is done.</source>
        <translation>3) Placez 8 et 7. Le total horizontal est juste : 8 + 7 = 15, et le coin supérieur gauche est terminé.</translation>
    </message>
    <message>
        <source>Note: a total that can only be made with the largest digits fixes which digits its squares hold, though not which square holds which: 17 in two squares is always 8 and 9; 24 in three squares 7, 8 and 9. The same goes for the smallest: 3 in two squares is always 1 and 2. The other totals through the squares tell where each digit goes.</source>
        <translation>Remarque : un total qui ne se forme qu’avec les plus grands chiffres fixe les chiffres de ses cases, mais pas leur place : 17 en deux cases vaut toujours 8 et 9 ; 24 en trois cases 7, 8 et 9. De même pour les plus petits : 3 en deux cases vaut toujours 1 et 2. Les autres totaux qui traversent ces cases disent où va chaque chiffre.</translation>
    </message>
    <message>
        <source>1) Click the across total 6. Its squares can be 1 or 2, and 1, 2 or 4; only 2 + 4 makes 6. Fill 2 and 4.</source>
        <translation>1) Cliquez le total horizontal 6. Ses cases peuvent valoir 1 ou 2, et 1, 2 ou 4 ; seul 2 + 4 fait 6. Placez 2 et 4.</translation>
    </message>
    <message>
        <source>2) The down total 3 leaves 1 above the 2, and 11 - 5 - 3 - 1 leaves 2 for the last square of the 11.</source>
        <translation>2) Le total vertical 3 laisse 1 au-dessus du 2, et 11 - 5 - 3 - 1 laisse 2 pour la dernière case du 11.</translation>
    </message>
    <message>
        <source>3) The down total 7 leaves 7 - 2 - 4 = 1 for its last square.</source>
        <translation>3) Le total vertical 7 laisse 7 - 2 - 4 = 1 pour sa dernière case.</translation>
    </message>
    <message>
        <source>Note: that 1 could have been found at once. The across totals 15 + 11 + 6 = 32 count the same squares as the down totals 13 + 10 + 3 + 7 = 33, except the last square of the 7, which only the down totals count. It must be 33 - 32 = 1.</source>
        <translation>Remarque : ce 1 pouvait être trouvé tout de suite. Les totaux horizontaux 15 + 11 + 6 = 32 comptent les mêmes cases que les totaux verticaux 13 + 10 + 3 + 7 = 33, sauf la dernière case du 7, que seuls les totaux verticaux comptent. Elle vaut donc 33 - 32 = 1.</translation>
    </message>
    <message>
        <source>Show the possible values for any combination</source>
        <translation>Valeurs possibles de toute combinaison</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source># squares</source>
        <translation>cases</translation>
    </message>
    <message>
        <source>Set a total and a number of squares with the arrows: the digits in yellow are those that can stand in a run of that many squares adding up to that total.</source>
        <translation>Réglez un total et un nombre de cases avec les flèches : les chiffres en jaune sont ceux qui peuvent figurer dans un bloc de ce nombre de cases ayant ce total.</translation>
    </message>
    <message>
        <source>Overview - Page 1 of 6 : What are Cross Sums Puzzles ?</source>
        <translation>Présentation - Page 1 sur 6 : Qu’est-ce que le Kakuro ?</translation>
    </message>
    <message>
        <source>Overview - Page 2 of 6 : How to use the &apos;Solve&apos; screen.</source>
        <translation>Présentation - Page 2 sur 6 : L’écran de résolution.</translation>
    </message>
    <message>
        <source>Overview - Page 3 of 6 : Examples 1</source>
        <translation>Présentation - Page 3 sur 6 : Exemples 1</translation>
    </message>
    <message>
        <source>Overview - Page 4 of 6 : Examples 2</source>
        <translation>Présentation - Page 4 sur 6 : Exemples 2</translation>
    </message>
    <message>
        <source>Overview - Page 5 of 6 : Examples 3</source>
        <translation>Présentation - Page 5 sur 6 : Exemples 3</translation>
    </message>
    <message>
        <source>Overview - Page 6 of 6 : Possible Values</source>
        <translation>Présentation - Page 6 sur 6 : Valeurs possibles</translation>
    </message>
    <message>
        <source>Solve screen</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>Possible Values</source>
        <translation>Valeurs possibles</translation>
    </message>
    <message>
        <source>This screen is available at any time by pressing the &apos;Hints&apos; button.</source>
        <translation>Cet écran est accessible à tout moment par le bouton « Conseils ».</translation>
    </message>
    <message>
        <source>A Cross Sums Puzzle consists of a crossword grid where the numbers in the white squares add up to </source>
        <translation>Une grille de Kakuro ressemble à une grille de mots croisés : les nombres des cases blanches ont pour somme </translation>
    </message>
    <message>
        <source>&#xa0;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>−</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et</translation>
    </message>
    <message>
        <source> Puzzle Id : %1           Damaged : %2</source>
        <translation> Grille n° %1           Endommagée : %2</translation>
    </message>
    <message>
        <source> Puzzle Id : %1           Size : %2 x %3            Difficulty : %4 Star</source>
        <translation> Grille n° %1           Taille : %2 x %3            Difficulté : %4 étoile(s)</translation>
    </message>
    <message>
        <source>Create/Delete/Print</source>
        <translation>Créer/Suppr./Imprimer</translation>
    </message>
    <message>
        <source>
<byte value="xd"/>
<byte value="xd"/>Press &apos;O.K.&apos; to add a second copy
<byte value="xd"/>Press &apos;Cancel&apos; to cancel the request.</source>
        <translation>
<byte value="xd"/>
<byte value="xd"/>« O.K. » ajoute une deuxième copie.
<byte value="xd"/>« Annuler » annule la demande.</translation>
    </message>
    <message>
        <source>This puzzle is taller than the largest size, so it was turned on its side to fit: its rows are now columns, and its across runs down runs.</source>
        <translation>Cette grille est plus haute que la plus grande taille ; elle a été tournée : ses lignes sont devenues des colonnes, ses blocs horizontaux des blocs verticaux.</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the puzzle</source>
        <translation>Vérification de la grille</translation>
    </message>
    <message>
        <source>Stop the check</source>
        <translation>Arrêter la vérification</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>Usage : </translation>
    </message>
    <message>
        <source>
Arguments:
</source>
        <translation>
Arguments :
</translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation>
Options :
</translation>
    </message>
    <message>
        <source>
Commands:
</source>
        <translation>
Commandes :
</translation>
    </message>
    <message>
        <source>
Without --data the game&apos;s own data file is used. list, show, explain and combos never write it.
</source>
        <translation>
Sans --data, le fichier de données du jeu est utilisé. list, show, explain et combos ne l’écrivent jamais.
</translation>
    </message>
    <message>
        <source>en</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>index.%1.html</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/help/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    C marks every empty square with the values both its runs allow (one Undo takes it back).</source>
        <translation>    C note dans chaque case vide les valeurs que ses deux blocs permettent (un Annuler l’efface).</translation>
    </message>
    <message>
        <source>    R (on or off): an entered digit leaves the marks of the other squares of its two runs.</source>
        <translation>    R (actif ou non) : un chiffre placé quitte les notes des autres cases de ses deux blocs.</translation>
    </message>
    <message>
        <source>    D (on or off): runs whose digits repeat or add up to more than their total are framed.</source>
        <translation>    D (actif ou non) : les blocs dont un chiffre se répète ou dont la somme dépasse le total sont encadrés.</translation>
    </message>
    <message>
        <source>%lld:%02lld:%02lld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%lld:%02lld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No puzzle solved yet. Each puzzle you solve adds a row here: best and median times and hints by size and star level, a chart of your times, the techniques your hints named, and your last 20 puzzles. Nothing leaves this computer.</source>
        <translation>Aucune grille résolue pour l’instant. Chaque grille résolue ajoute ici une ligne : temps meilleur et médian et indices par taille et niveau, un graphique de vos temps, les techniques nommées par vos indices et vos 20 dernières grilles. Rien ne quitte cet ordinateur.</translation>
    </message>
    <message>
        <source>hints</source>
        <translation>indices</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Your progress</source>
        <translation>Vos progrès</translation>
    </message>
    <message>
        <source>Show the time while solving</source>
        <translation>Afficher le temps pendant la résolution</translation>
    </message>
    <message>
        <source>By size and star level</source>
        <translation>Par taille et niveau</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Étoiles</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Résolues</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Médiane</translation>
    </message>
    <message>
        <source>Hints per puzzle</source>
        <translation>Indices par grille</translation>
    </message>
    <message>
        <source>Last 20 solved</source>
        <translation>Les 20 dernières résolues</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Hints by technique</source>
        <translation>Indices par technique</translation>
    </message>
    <message>
        <source>Practice size</source>
        <translation>Taille d’exercice</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Technique</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Solve times (minutes)</source>
        <translation>Temps de résolution (minutes)</translation>
    </message>
    <message>
        <source>d MMM hh:mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%.1f</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never a puzzle&apos;s hardest step: another step always comes before it</source>
        <translation>Jamais l’étape la plus difficile d’une grille : une autre étape vient toujours avant</translation>
    </message>
    <message>
        <source>Practise</source>
        <translation>S’exercer</translation>
    </message>
    <message>
        <source>Make a puzzle whose hardest step is %1</source>
        <translation>Créer une grille dont l’étape la plus difficile est %1</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Mini</source>
        <translation>Mini</translation>
    </message>
    <message>
        <source>%Y-%m-%d %H:%M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No puzzle solved yet: each puzzle you solve adds its time and hints here.
</source>
        <translation>Aucune grille résolue pour l’instant : chaque grille résolue ajoute ici son temps et ses indices.
</translation>
    </message>
    <message>
        <source>Size    Stars  Solved  Best      Median    Hints per puzzle
</source>
        <translation>Taille Étoil.  Finies  Record    Médiane   Indices par grille
</translation>
    </message>
    <message>
        <source>
Hints asked for, by technique
</source>
        <translation>
Indices demandés, par technique
</translation>
    </message>
    <message>
        <source>%6d  %s
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Last solved
</source>
        <translation>
Dernières grilles résolues
</translation>
    </message>
    <message>
        <source>  without help</source>
        <translation>  sans aide</translation>
    </message>
    <message>
        <source>date,puzzle_id,size,stars,origin,hardest,seconds,hints,hints_by_technique,checks,assists,without_help
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &apos;Save&apos; to keep it solved.</source>
        <translation>« Sauver » la garde résolue.</translation>
    </message>
    <message>
        <source>--help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-h, --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this help</source>
        <translation>cette aide</translation>
    </message>
    <message>
        <source> (try --help)
</source>
        <translation> (essayez --help)
</translation>
    </message>
    <message>
        <source>crosssums-cli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%2d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%-2d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %d  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not solved by the techniques</source>
        <translation>non résolue par les techniques</translation>
    </message>
    <message>
        <source>
By stars:</source>
        <translation>
Par étoiles :</translation>
    </message>
    <message>
        <source> %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No puzzles stored.
</source>
        <translation>Aucune grille enregistrée.
</translation>
    </message>
    <message>
        <source>Slot  Puzzle Id  Size     Stars   Solved  Steps  Hardest technique
</source>
        <translation>Place N° grille  Taille   Étoiles      Résolue Étapes  Technique la plus difficile
</translation>
    </message>
    <message>
        <source>%4d  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%9d  %-7s  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  solved</source>
        <translation> résolue</translation>
    </message>
    <message>
        <source>  %5d  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%3d  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%3d </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>combos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SQUARES must be a number from 1 to 9</source>
        <translation>SQUARES doit être un nombre de 1 à 9</translation>
    </message>
    <message>
        <source>TOTAL must be a number from 1 to 45</source>
        <translation>TOTAL doit être un nombre de 1 à 45</translation>
    </message>
    <message>
        <source>The digits and digit combinations that can fill a run.</source>
        <translation>Les chiffres et combinaisons de chiffres qui peuvent remplir un bloc.</translation>
    </message>
    <message>
        <source>SQUARES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>squares in the run, 1..9</source>
        <translation>cases du bloc, 1..9</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the run&apos;s total, 1..45</source>
        <translation>total du bloc, 1..45</translation>
    </message>
    <message>
        <source>export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLOT must be a number from 1 to 100</source>
        <translation>SLOT doit être un nombre de 1 à 100</translation>
    </message>
    <message>
        <source>format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format must be text or csv</source>
        <translation>--format doit être text ou csv</translation>
    </message>
    <message>
        <source>data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>allow-copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One puzzle as text to standard output: clues as down\across, . for a White square.</source>
        <translation>Une grille en texte sur la sortie standard : totaux en vertical\horizontal, . pour une case blanche.</translation>
    </message>
    <message>
        <source>text (the default) or csv</source>
        <translation>text (par défaut) ou csv</translation>
    </message>
    <message>
        <source>the answers in the White squares</source>
        <translation>les solutions dans les cases blanches</translation>
    </message>
    <message>
        <source>SLOT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>library slot 1..100</source>
        <translation>place dans la bibliothèque, 1..100</translation>
    </message>
    <message>
        <source>Checks a puzzle written as text or CSV and appends it to the library.</source>
        <translation>Vérifie une grille écrite en texte ou en CSV et l’ajoute à la bibliothèque.</translation>
    </message>
    <message>
        <source>store it even when the library holds the same puzzle</source>
        <translation>la garder même si la bibliothèque contient déjà la même grille</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished">FICHIER</translation>
    </message>
    <message>
        <source>the puzzle&apos;s file, or - for standard input</source>
        <translation>le fichier de la grille, ou - pour l’entrée standard</translation>
    </message>
    <message>
        <source>explain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The puzzle solved step by step from its totals, each step&apos;s technique and reason.</source>
        <translation>La grille résolue étape par étape à partir de ses totaux, avec la technique et la raison de chaque étape.</translation>
    </message>
    <message>
        <source>JSON Lines: one object a step, then one with the outcome</source>
        <translation>JSON Lines : un objet par étape, puis un avec le résultat</translation>
    </message>
    <message>
        <source>{&quot;step&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, &quot;technique&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, &quot;square&quot;: [</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;place&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;remove&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, &quot;runs&quot;: [</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;down&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;across&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, &quot;minus&quot;]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, &quot;cells&quot;: [</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, &quot;assumed&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, &quot;chain&quot;: [</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{&quot;technique&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, &quot;text&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>}
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{&quot;solved&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>true</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, &quot;steps&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, &quot;hardest&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIGINT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIGTERM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIGHUP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a signal</source>
        <translation>un signal</translation>
    </message>
    <message>
        <source>mini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%.1f s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the library would hold more than 100 puzzles; nothing created</source>
        <translation>la bibliothèque contiendrait plus de 100 grilles ; rien n’a été créé</translation>
    </message>
    <message>
        <source>Appends new puzzles; Ctrl-C, SIGTERM or SIGHUP stop and keep those finished.</source>
        <translation>Ajoute de nouvelles grilles ; Ctrl-C, SIGTERM ou SIGHUP arrêtent et gardent celles qui sont finies.</translation>
    </message>
    <message>
        <source>size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mini, small, medium or large</source>
        <translation>mini, small, medium ou large</translation>
    </message>
    <message>
        <source>stars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>difficulty 1..5 (required unless --technique is given)</source>
        <translation>difficulté 1..5 (obligatoire sauf si --technique est donné)</translation>
    </message>
    <message>
        <source>count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>how many puzzles, 1..100</source>
        <translation>combien de grilles, 1..100</translation>
    </message>
    <message>
        <source>seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number that makes the batch repeatable</source>
        <translation>un nombre qui rend la série reproductible</translation>
    </message>
    <message>
        <source>technique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>practice puzzles whose hardest step is this technique (its name as docs/solver.md gives it, in quotes); the star level follows from the puzzle</source>
        <translation>grilles d’exercice dont l’étape la plus difficile est cette technique (son nom anglais comme dans docs/solver.md, entre guillemets) ; le niveau découle de la grille</translation>
    </message>
    <message>
        <source>--size must be mini, small, medium or large</source>
        <translation>--size doit être mini, small, medium ou large</translation>
    </message>
    <message>
        <source>--technique must be one of </source>
        <translation>--technique doit être l’une de celles-ci : </translation>
    </message>
    <message>
        <source>--stars and --technique cannot be given together</source>
        <translation>--stars et --technique ne peuvent pas être donnés ensemble</translation>
    </message>
    <message>
        <source>missing --stars N</source>
        <translation>--stars N manque</translation>
    </message>
    <message>
        <source>--stars must be 1 to 5</source>
        <translation>--stars doit valoir de 1 à 5</translation>
    </message>
    <message>
        <source>--count must be 1 to 100</source>
        <translation>--count doit valoir de 1 à 100</translation>
    </message>
    <message>
        <source>--seed must be a whole number 0 or above</source>
        <translation>--seed doit être un nombre entier positif ou nul</translation>
    </message>
    <message>
        <source>stopped, not kept</source>
        <translation>arrêtée, non gardée</translation>
    </message>
    <message>
        <source>refused; nothing created</source>
        <translation>refusé ; rien n’a été créé</translation>
    </message>
    <message>
        <source>the library had no place left</source>
        <translation>la bibliothèque n’avait plus de place</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>aucun fichier de ce nom</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>this data file instead of the game&apos;s own (no import)</source>
        <translation>ce fichier de données au lieu de celui du jeu (sans import)</translation>
    </message>
    <message>
        <source>list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The counters, the data file&apos;s place, every stored puzzle.</source>
        <translation>Les compteurs, l’emplacement du fichier de données, chaque grille gardée.</translation>
    </message>
    <message>
        <source> COMMAND [ARGUMENTS]
       </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> COMMAND --help
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give either --slots or --all</source>
        <translation>donnez --slots ou --all</translation>
    </message>
    <message>
        <source>--slots takes slot numbers 1..100 separated by commas</source>
        <translation>--slots prend des numéros de place 1..100 séparés par des virgules</translation>
    </message>
    <message>
        <source>colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--colors takes a colour scheme 1..4</source>
        <translation>--colors prend un jeu de couleurs 1..4</translation>
    </message>
    <message>
        <source>paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--paper takes a4 or letter</source>
        <translation>--paper prend a4 ou letter</translation>
    </message>
    <message>
        <source>puzzles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--puzzles and --answers take large, small or none</source>
        <translation>--puzzles et --answers prennent large, small ou none</translation>
    </message>
    <message>
        <source>nothing to print</source>
        <translation>rien à imprimer</translation>
    </message>
    <message>
        <source>pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzles and answers as a PDF file, laid out and drawn as the game prints them.</source>
        <translation>Grilles et solutions en fichier PDF, disposées et dessinées comme le jeu les imprime.</translation>
    </message>
    <message>
        <source>the PDF file to write</source>
        <translation>le fichier PDF à écrire</translation>
    </message>
    <message>
        <source>LIST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the slots to print, as 1,3,5</source>
        <translation>les places à imprimer, comme 1,3,5</translation>
    </message>
    <message>
        <source>every stored puzzle</source>
        <translation>chaque grille gardée</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>large, small or none (default: the game&apos;s choice)</source>
        <translation>large, small ou none (par défaut : le choix du jeu)</translation>
    </message>
    <message>
        <source>colour scheme 1..4 (default: the game&apos;s choice)</source>
        <translation>jeu de couleurs 1..4 (par défaut : le choix du jeu)</translation>
    </message>
    <message>
        <source>PAPER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a4 or letter (default: the locale&apos;s paper)</source>
        <translation>a4 ou letter (par défaut : le papier de la région)</translation>
    </message>
    <message>
        <source>QT_QPA_PLATFORM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>offscreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One puzzle as a grid: clues as down\across, the player&apos;s entries or the answers.</source>
        <translation>Une grille dessinée : totaux en vertical\horizontal, les chiffres du joueur ou les solutions.</translation>
    </message>
    <message>
        <source>the answers instead of the player&apos;s entries</source>
        <translation>les solutions au lieu des chiffres du joueur</translation>
    </message>
    <message>
        <source> stats: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzles solved by size and star level, hints by technique, the last 20 solved.</source>
        <translation>Grilles résolues par taille et niveau, indices par technique, les 20 dernières résolues.</translation>
    </message>
    <message>
        <source>one line per solved puzzle, with a header row</source>
        <translation>une ligne par grille résolue, avec une ligne d’en-tête</translation>
    </message>
    <message>
        <source>Last square</source>
        <translation>Dernière case</translation>
    </message>
    <message>
        <source>Crossing runs</source>
        <translation>Blocs croisés</translation>
    </message>
    <message>
        <source>One combination</source>
        <translation>Une seule combinaison</translation>
    </message>
    <message>
        <source>Possible digits</source>
        <translation>Chiffres possibles</translation>
    </message>
    <message>
        <source>Needed digit</source>
        <translation>Chiffre obligé</translation>
    </message>
    <message>
        <source>Locked digits</source>
        <translation>Chiffres bloqués</translation>
    </message>
    <message>
        <source>Smallest and largest sums</source>
        <translation>Plus petites et plus grandes sommes</translation>
    </message>
    <message>
        <source>Combinations that fit</source>
        <translation>Combinaisons qui conviennent</translation>
    </message>
    <message>
        <source>Block sums</source>
        <translation>Sommes de blocs</translation>
    </message>
    <message>
        <source>Contradiction</source>
        <translation>Contradiction</translation>
    </message>
    <message>
        <source>%1 check</source>
        <translation>%1 vérification</translation>
    </message>
    <message>
        <source>%1 checks</source>
        <translation>%1 vérifications</translation>
    </message>
    <message>
        <source>%1 assist</source>
        <translation>%1 aide</translation>
    </message>
    <message>
        <source>%1 assists</source>
        <translation>%1 aides</translation>
    </message>
    <message>
        <source>No %1 puzzle whose hardest step is %2 came in %3 tries. Try again, or another size.</source>
        <translation>Aucune grille %1 dont l’étape la plus difficile est %2 n’est sortie en %3 essais. Réessayez, ou choisissez une autre taille.</translation>
    </message>
    <message>
        <source>No new puzzle can be stored: %1.</source>
        <translation>Aucune nouvelle grille ne peut être gardée : %1.</translation>
    </message>
    <message>
        <source>You have selected %1 puzzles to delete.
<byte value="xd"/>
<byte value="xd"/>Press &apos;O.K.&apos; to delete the puzzles
<byte value="xd"/>Press &apos;Cancel&apos; to cancel the request.</source>
        <translation>Vous avez choisi %1 grilles à supprimer.
<byte value="xd"/>
<byte value="xd"/>« O.K. » supprime les grilles.
<byte value="xd"/>« Annuler » annule la demande.</translation>
    </message>
    <message>
        <source>These Cross Sums puzzles are open in another window:
<byte value="xd"/>%1
<byte value="xd"/>
<byte value="xd"/>This window closes and leaves them as they are.</source>
        <translation>Ces grilles de Kakuro sont ouvertes dans une autre fenêtre :
<byte value="xd"/>%1
<byte value="xd"/>
<byte value="xd"/>Cette fenêtre se ferme et les laisse telles quelles.</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (processus %2)</translation>
    </message>
    <message>
        <source>These Cross Sums puzzles are in use by %1:
<byte value="xd"/>%2
<byte value="xd"/>
<byte value="xd"/>This window closes and leaves them as they are. Start the game again when %3 has finished.</source>
        <translation>Ces grilles de Kakuro sont utilisées par %1 :
<byte value="xd"/>%2
<byte value="xd"/>
<byte value="xd"/>Cette fenêtre se ferme et les laisse telles quelles. Relancez le jeu quand %3 aura fini.</translation>
    </message>
    <message>
        <source>The Cross Sums puzzles cannot be kept at
<byte value="xd"/>%1
<byte value="xd"/>because %2.
<byte value="xd"/>
<byte value="xd"/>The game starts with no puzzles and leaves it as it is; nothing of this session can be saved there.</source>
        <translation>Les grilles de Kakuro ne peuvent pas être gardées dans
<byte value="xd"/>%1
<byte value="xd"/>car %2.
<byte value="xd"/>
<byte value="xd"/>Le jeu démarre sans grilles et le laisse tel quel ; rien de cette séance ne pourra y être enregistré.</translation>
    </message>
    <message>
        <source>The Cross Sums puzzles at
<byte value="xd"/>%1
<byte value="xd"/>are kept in the file it links to,
<byte value="xd"/>%2
<byte value="xd"/>which does not exist yet.
<byte value="xd"/>
<byte value="xd"/>The game starts with no puzzles and makes that file when it closes.</source>
        <translation>Les grilles de Kakuro de
<byte value="xd"/>%1
<byte value="xd"/>sont gardées dans le fichier vers lequel il pointe,
<byte value="xd"/>%2
<byte value="xd"/>qui n’existe pas encore.
<byte value="xd"/>
<byte value="xd"/>Le jeu démarre sans grilles et crée ce fichier à la fermeture.</translation>
    </message>
    <message>
        <source>The Cross Sums puzzles at
<byte value="xd"/>%1
<byte value="xd"/>cannot be locked: %2.
<byte value="xd"/>
<byte value="xd"/>The game goes on, but another window or %3 could change them at the same time.</source>
        <translation>Les grilles de Kakuro de
<byte value="xd"/>%1
<byte value="xd"/>ne peuvent pas être verrouillées : %2.
<byte value="xd"/>
<byte value="xd"/>Le jeu continue, mais une autre fenêtre ou %3 pourrait les modifier en même temps.</translation>
    </message>
    <message>
        <source>The Cross Sums puzzles could not be read from
<byte value="xd"/>%1
<byte value="xd"/>
<byte value="xd"/>The file could not be moved aside either, so it is left as it is and nothing of this session will be saved.</source>
        <translation>Les grilles de Kakuro n’ont pas pu être lues depuis
<byte value="xd"/>%1
<byte value="xd"/>
<byte value="xd"/>Le fichier n’a pas pu non plus être mis de côté ; il reste tel quel et rien de cette séance ne sera enregistré.</translation>
    </message>
    <message>
        <source>The Cross Sums puzzles could not be read from
<byte value="xd"/>%1
<byte value="xd"/>
<byte value="xd"/>The file has been kept as
<byte value="xd"/>%2
<byte value="xd"/>and the game starts with no puzzles.</source>
        <translation>Les grilles de Kakuro n’ont pas pu être lues depuis
<byte value="xd"/>%1
<byte value="xd"/>
<byte value="xd"/>Le fichier a été gardé sous le nom
<byte value="xd"/>%2
<byte value="xd"/>et le jeu démarre sans grilles.</translation>
    </message>
    <message>
        <source>another program holds them now: %1</source>
        <translation>un autre programme les tient maintenant : %1</translation>
    </message>
    <message>
        <source>This session started without the Cross Sums puzzles at
<byte value="xd"/>%1
<byte value="xd"/>and %2.
<byte value="xd"/>
<byte value="xd"/>That file is left as it is: this session did not read it.</source>
        <translation>Cette séance a commencé sans les grilles de Kakuro de
<byte value="xd"/>%1
<byte value="xd"/>et %2.
<byte value="xd"/>
<byte value="xd"/>Ce fichier reste tel quel : cette séance ne l’a pas lu.</translation>
    </message>
    <message>
        <source>The puzzles of this session are saved in
<byte value="xd"/>%1
<byte value="xd"/>
<byte value="xd"/>To play them, start the game with --data and that file.</source>
        <translation>Les grilles de cette séance sont enregistrées dans
<byte value="xd"/>%1
<byte value="xd"/>
<byte value="xd"/>Pour y jouer, lancez le jeu avec --data et ce fichier.</translation>
    </message>
    <message>
        <source>place %1</source>
        <translation>placer %1</translation>
    </message>
    <message>
        <source>remove %1</source>
        <translation>retirer %1</translation>
    </message>
    <message>
        <source>%1. Row %2, column %3: %4 (%5). %6
</source>
        <translation>%1. Ligne %2, colonne %3 : %4 (%5). %6
</translation>
    </message>
    <message>
        <source>the puzzle could not be checked: its search for a solution ran too long</source>
        <translation>la grille n’a pas pu être vérifiée : la recherche d’une solution a duré trop longtemps</translation>
    </message>
    <message>
        <source>the puzzle could not be checked: its search for a second solution ran too long</source>
        <translation>la grille n’a pas pu être vérifiée : la recherche d’une deuxième solution a duré trop longtemps</translation>
    </message>
    <message>
        <source>the puzzle has no solution: no digits without a repeat in a run give every run its total</source>
        <translation>la grille n’a pas de solution : aucun chiffre sans répétition dans un bloc ne donne chaque total</translation>
    </message>
    <message>
        <source>the puzzle has no solution: no digits give every run its total</source>
        <translation>la grille n’a pas de solution : aucun chiffre ne donne chaque total</translation>
    </message>
    <message>
        <source>the puzzle has more than one solution; this square can be %1 or %2</source>
        <translation>la grille a plus d’une solution ; cette case peut valoir %1 ou %2</translation>
    </message>
    <message>
        <source>the digit %1 given here is not the answer, %2</source>
        <translation>le chiffre %1 donné ici n’est pas la solution, %2</translation>
    </message>
    <message>
        <source>the puzzle is already in the library as Id %1 in slot %2</source>
        <translation>la grille est déjà dans la bibliothèque, n° %1 à la place %2</translation>
    </message>
    <message>
        <source>no puzzle Id is left: %1</source>
        <translation>il ne reste aucun numéro de grille : %1</translation>
    </message>
    <message>
        <source>slot %1 is not 1..100</source>
        <translation>la place %1 n’est pas entre 1 et 100</translation>
    </message>
    <message>
        <source>slot %1 is empty</source>
        <translation>la place %1 est vide</translation>
    </message>
    <message>
        <source>slot %1 is damaged: %2</source>
        <translation>la place %1 est endommagée : %2</translation>
    </message>
    <message>
        <source>This puzzle cannot be added to the library.
<byte value="xd"/>
<byte value="xd"/>%1.</source>
        <translation>Cette grille ne peut pas être ajoutée à la bibliothèque.
<byte value="xd"/>
<byte value="xd"/>%1.</translation>
    </message>
    <message>
        <source>This puzzle cannot be added to the library.
<byte value="xd"/>
<byte value="xd"/>%1</source>
        <translation>Cette grille ne peut pas être ajoutée à la bibliothèque.
<byte value="xd"/>
<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Print Preview : Page %1 of %2</source>
        <translation>Aperçu : page %1 sur %2</translation>
    </message>
    <message>
        <source>Printing stopped at page %1 of %2: %3.
<byte value="xd"/></source>
        <translation>L’impression s’est arrêtée à la page %1 sur %2 : %3.
<byte value="xd"/></translation>
    </message>
    <message>
        <source>Page %1 was not printed.</source>
        <translation>La page %1 n’a pas été imprimée.</translation>
    </message>
    <message>
        <source>Pages %1 to %2 were not printed.</source>
        <translation>Les pages %1 à %2 n’ont pas été imprimées.</translation>
    </message>
    <message>
        <source>Answer to puzzle : %1</source>
        <translation>Solution de la grille : %1</translation>
    </message>
    <message>
        <source>Puzzle Id : %1</source>
        <translation>Grille n° %1</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>The puzzles are saved in
<byte value="xd"/>%1
<byte value="xd"/>but %2.</source>
        <translation>Les grilles sont enregistrées dans
<byte value="xd"/>%1
<byte value="xd"/>mais %2.</translation>
    </message>
    <message>
        <source>it is too short for a data file (%1 bytes, %2 needed)</source>
        <translation>il est trop court pour un fichier de données (%1 octets, %2 nécessaires)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>no data file at %1</source>
        <translation>aucun fichier de données à %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>Creating %1 practice puzzle of %2 for %3 (seed %4); Ctrl-C stops and keeps those made
</source>
        <translation>Création de %1 grille d’exercice de %2 pour %3 (graine %4) ; Ctrl-C arrête et garde celles qui sont faites
</translation>
    </message>
    <message>
        <source>Creating %1 practice puzzles of %2 for %3 (seed %4); Ctrl-C stops and keeps those made
</source>
        <translation>Création de %1 grilles d’exercice de %2 pour %3 (graine %4) ; Ctrl-C arrête et garde celles qui sont faites
</translation>
    </message>
    <message>
        <source>no puzzle graded to it in %1 tries</source>
        <translation>aucune grille de ce niveau en %1 essais</translation>
    </message>
    <message>
        <source>puzzle %1 of %2: Id %3 in slot %4, %5 star, after %6 try (%7 elapsed)
</source>
        <translation>grille %1 sur %2 : n° %3 à la place %4, %5 étoile(s), après %6 essai (%7 écoulées)
</translation>
    </message>
    <message>
        <source>puzzle %1 of %2: Id %3 in slot %4, %5 star, after %6 tries (%7 elapsed)
</source>
        <translation>grille %1 sur %2 : n° %3 à la place %4, %5 étoile(s), après %6 essais (%7 écoulées)
</translation>
    </message>
    <message>
        <source>Stopped by %1: %2 of %3 made and kept
</source>
        <translation>Arrêté par %1 : %2 sur %3 faites et gardées
</translation>
    </message>
    <message>
        <source>%1; %2 of %3 made and kept</source>
        <translation>%1 ; %2 sur %3 faites et gardées</translation>
    </message>
    <message>
        <source>Done: %1 practice puzzle in %2
</source>
        <translation>Terminé : %1 grille d’exercice en %2
</translation>
    </message>
    <message>
        <source>Done: %1 practice puzzles in %2
</source>
        <translation>Terminé : %1 grilles d’exercice en %2
</translation>
    </message>
    <message>
        <source>Creating %1 puzzle of %2, %3 star (seed %4); Ctrl-C stops and keeps those made
</source>
        <translation>Création de %1 grille de %2, %3 étoile(s) (graine %4) ; Ctrl-C arrête et garde celles qui sont faites
</translation>
    </message>
    <message>
        <source>Creating %1 puzzles of %2, %3 star (seed %4); Ctrl-C stops and keeps those made
</source>
        <translation>Création de %1 grilles de %2, %3 étoile(s) (graine %4) ; Ctrl-C arrête et garde celles qui sont faites
</translation>
    </message>
    <message>
        <source>Id %1 in slot %2</source>
        <translation>n° %1 à la place %2</translation>
    </message>
    <message>
        <source>puzzle %1 of %2: %3 (%4 elapsed)
</source>
        <translation>grille %1 sur %2 : %3 (%4 écoulées)
</translation>
    </message>
    <message>
        <source>Stopped: %1; %2 of %3 made and kept
</source>
        <translation>Arrêté : %1 ; %2 sur %3 faites et gardées
</translation>
    </message>
    <message>
        <source>Done: %1 puzzle in %2
</source>
        <translation>Terminé : %1 grille en %2
</translation>
    </message>
    <message>
        <source>Done: %1 puzzles in %2
</source>
        <translation>Terminé : %1 grilles en %2
</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 est donné plus d’une fois</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>%1 needs a value, not %2</source>
        <translation>%1 demande une valeur, pas %2</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 manque</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>Solved in %1 without help.</source>
        <translation>Résolue en %1 sans aide.</translation>
    </message>
    <message>
        <source>Solved in %1 with no hints.</source>
        <translation>Résolue en %1 sans indice.</translation>
    </message>
    <message>
        <source>Solved in %1 with %2 hint.</source>
        <translation>Résolue en %1 avec %2 indice.</translation>
    </message>
    <message>
        <source>Solved in %1 with %2 hints.</source>
        <translation>Résolue en %1 avec %2 indices.</translation>
    </message>
    <message>
        <source>Your best time for %1 %2 star !</source>
        <translation>Votre meilleur temps pour %1, %2 étoile(s) !</translation>
    </message>
    <message>
        <source>%1 Star</source>
        <translation>%1 étoile(s)</translation>
    </message>
    <message>
        <source>Data file: %1
</source>
        <translation>Fichier de données : %1
</translation>
    </message>
    <message>
        <source>Puzzles stored: %1</source>
        <translation>Grilles enregistrées : %1</translation>
    </message>
    <message>
        <source> (out of range; reading %1 slots)</source>
        <translation> (hors limites ; lecture de %1 places)</translation>
    </message>
    <message>
        <source> (counted in the slots; the file&apos;s counter says %1)</source>
        <translation> (compté dans les places ; le compteur du fichier indique %1)</translation>
    </message>
    <message>
        <source>Last puzzle Id: %1
</source>
        <translation>Dernier n° de grille : %1
</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>endommagée : %1</translation>
    </message>
    <message>
        <source>slot %1 is not 1..%2</source>
        <translation>la place %1 n’est pas entre 1 et %2</translation>
    </message>
    <message>
        <source>slot %1 is empty (%2 puzzles stored)</source>
        <translation>la place %1 est vide (grilles enregistrées : %2)</translation>
    </message>
    <message>
        <source>Puzzle Id %1 (slot %2): %3, %4, answers
</source>
        <translation>Grille n° %1 (place %2) : %3, %4, solutions
</translation>
    </message>
    <message>
        <source>Puzzle Id %1 (slot %2): %3, %4
</source>
        <translation>Grille n° %1 (place %2) : %3, %4
</translation>
    </message>
    <message>
        <source>Solved by logic in %1 steps; hardest technique: %2.
</source>
        <translation>Résolue par la logique en %1 étapes ; technique la plus difficile : %2.
</translation>
    </message>
    <message>
        <source>Not solved by the techniques: no step after %1.
</source>
        <translation>Non résolue par les techniques : aucune étape après %1.
</translation>
    </message>
    <message>
        <source>slot %1 has a run the solver cannot read</source>
        <translation>la place %1 a une ligne que le solveur ne sait pas lire</translation>
    </message>
    <message>
        <source>Solved in %1 steps; hardest technique: %2.
</source>
        <translation>Résolue en %1 étapes ; technique la plus difficile : %2.
</translation>
    </message>
    <message>
        <source>Not solved: no further step after %1 steps; hardest technique: %2.
</source>
        <translation>Non résolue : aucune étape de plus après %1 étapes ; technique la plus difficile : %2.
</translation>
    </message>
    <message>
        <source>%9d  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown size</source>
        <translation>taille inconnue</translation>
    </message>
    <message>
        <source>border square is not black</source>
        <translation>une case du bord n’est pas noire</translation>
    </message>
    <message>
        <source>across run out of range</source>
        <translation>une ligne horizontale sort des limites</translation>
    </message>
    <message>
        <source>down run out of range</source>
        <translation>une ligne verticale sort des limites</translation>
    </message>
    <message>
        <source>answer is not a digit</source>
        <translation>une solution n’est pas un chiffre</translation>
    </message>
    <message>
        <source>entry is not a digit</source>
        <translation>une saisie n’est pas un chiffre</translation>
    </message>
    <message>
        <source>possible mark is not 0 or 1</source>
        <translation>une note ne vaut ni 0 ni 1</translation>
    </message>
    <message>
        <source>square kind out of range</source>
        <translation>un type de case sort des limites</translation>
    </message>
    <message>
        <source>answers do not add up to a total</source>
        <translation>les solutions ne donnent pas une des sommes</translation>
    </message>
    <message>
        <source>no such slot</source>
        <translation>cette place n’existe pas</translation>
    </message>
    <message>
        <source>puzzle Id below 1</source>
        <translation>numéro de grille inférieur à 1</translation>
    </message>
    <message>
        <source>difficulty out of range</source>
        <translation>difficulté hors limites</translation>
    </message>
    <message>
        <source>%1: %2; nothing imported</source>
        <translation>%1 : %2 ; rien n’a été importé</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing imported</source>
        <translation>impossible d’écrire %1 : %2 ; rien n’a été importé</translation>
    </message>
    <message>
        <source>%1; nothing imported</source>
        <translation>%1 ; rien n’a été importé</translation>
    </message>
    <message>
        <source>%1: %2; nothing imported (--allow-copy adds it again)</source>
        <translation>%1 : %2 ; rien n’a été importé (--allow-copy l’ajoute quand même)</translation>
    </message>
    <message>
        <source>Imported as puzzle Id %1 in slot %2: %3, %4, turned on its side to fit (its rows are now columns)
</source>
        <translation>Importée comme grille n° %1 à la place %2 : %3, %4, tournée pour tenir (ses lignes sont maintenant des colonnes)
</translation>
    </message>
    <message>
        <source>Imported as puzzle Id %1 in slot %2: %3, %4
</source>
        <translation>Importée comme grille n° %1 à la place %2 : %3, %4
</translation>
    </message>
    <message>
        <source>slot %1 holds no puzzle</source>
        <translation>la place %1 ne contient aucune grille</translation>
    </message>
    <message>
        <source>slot %1 is not printed: %2
</source>
        <translation>la place %1 n’est pas imprimée : %2
</translation>
    </message>
    <message numerus="yes">
        <source>%n page written to %1
</source>
        <translation>
            <numerusform>%n page écrite dans %1
</numerusform>
            <numerusform>%n pages écrites dans %1
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pages written to %1
</source>
        <translation>
            <numerusform>%n page écrite dans %1
</numerusform>
            <numerusform>%n pages écrites dans %1
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1  Id %2 %3 %4 star  %5  %n hints%6
</source>
        <translation>
            <numerusform>%1  n° %2 %3 %4 étoile(s)  %5  %n indice%6
</numerusform>
            <numerusform>%1  n° %2 %3 %4 étoile(s)  %5  %n indices%6
</numerusform>
        </translation>
    </message>
    <message>
        <source>crosssums: a second signal ends the game without saving: %1
</source>
        <translation>crosssums : un second signal termine le jeu sans enregistrer : %1
</translation>
    </message>
    <message>
        <source>%1 holds the puzzles of this session</source>
        <translation>%1 contient les grilles de cette session</translation>
    </message>
    <message>
        <source>%1 is as it was; the puzzles of this session are not saved</source>
        <translation>%1 est inchangé ; les grilles de cette session ne sont pas enregistrées</translation>
    </message>
    <message>
        <source>%1 is as it was; the puzzles of this session are in %2</source>
        <translation>%1 est inchangé ; les grilles de cette session sont dans %2</translation>
    </message>
    <message>
        <source>%-5d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%-8s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> print: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %5d  %6d  %-8s  %-8s  %.1f
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no run of %1 squares with total %2: squares are 1..9, totals 1..45</source>
        <translation>aucun bloc de %1 cases de somme %2 : de 1 à 9 cases, sommes de 1 à 45</translation>
    </message>
    <message numerus="yes">
        <source>%n square, total %1
</source>
        <translation>
            <numerusform>%n case, somme %1
</numerusform>
            <numerusform>%n cases, somme %1
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n squares, total %1
</source>
        <translation>
            <numerusform>%n case, somme %1
</numerusform>
            <numerusform>%n cases, somme %1
</numerusform>
        </translation>
    </message>
    <message>
        <source>Possible digits: none
</source>
        <translation>Chiffres possibles : aucun
</translation>
    </message>
    <message>
        <source>Possible digits: %1
</source>
        <translation>Chiffres possibles : %1
</translation>
    </message>
    <message>
        <source>Combinations: none
</source>
        <translation>Combinaisons : aucune
</translation>
    </message>
    <message>
        <source>Combinations: %1
</source>
        <translation>Combinaisons : %1
</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing created</source>
        <translation>impossible d’écrire %1 : %2 ; rien n’a été créé</translation>
    </message>
    <message>
        <source>%1; nothing created</source>
        <translation>%1 ; rien n’a été créé</translation>
    </message>
    <message>
        <source>new puzzles go after the last slot in use, slot %1, which leaves room for %2</source>
        <translation>les nouvelles grilles se placent après la dernière place occupée, la place %1, ce qui laisse de la place pour %2</translation>
    </message>
    <message>
        <source>%1 (%2 stored, %3 requested); nothing created</source>
        <translation>%1 (%2 enregistrées, %3 demandées) ; rien n’a été créé</translation>
    </message>
    <message>
        <source>no puzzle Id is left: %1; nothing created</source>
        <translation>plus aucun numéro de grille libre : %1 ; rien n’a été créé</translation>
    </message>
    <message>
        <source>saved %1, but %2
</source>
        <translation>%1 enregistré, mais %2
</translation>
    </message>
    <message>
        <source>%1 (not written yet; read from %2)</source>
        <translation>%1 (pas encore écrit ; lu depuis %2)</translation>
    </message>
    <message>
        <source>%1: no command given (try --help)
</source>
        <translation>%1 : aucune commande donnée (voir --help)
</translation>
    </message>
    <message>
        <source>%1: unknown command %2 (try --help)
</source>
        <translation>%1 : commande inconnue %2 (voir --help)
</translation>
    </message>
    <message>
        <source>the library&apos;s puzzle count is damaged</source>
        <translation>le nombre de grilles de la bibliothèque est endommagé</translation>
    </message>
    <message>
        <source>a requested count is out of range</source>
        <translation>un nombre demandé est hors limites</translation>
    </message>
    <message>
        <source>the library would hold more than 100 puzzles</source>
        <translation>la bibliothèque contiendrait plus de 100 grilles</translation>
    </message>
</context>
</TS>
