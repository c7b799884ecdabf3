<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Window language</source>
        <translation>Langue de la fenêtre</translation>
    </message>
    <message>
        <source>The language of the editor&apos;s window, from its next start</source>
        <translation>La langue de la fenêtre de l&apos;éditeur, à partir de son prochain démarrage</translation>
    </message>
    <message>
        <source>The choice of language could not be stored.</source>
        <translation>Le choix de la langue n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>The window speaks %1.</source>
        <translation>Langue de la fenêtre&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The window will speak %1 from the editor&apos;s next start.</source>
        <translation>Langue de la fenêtre au prochain démarrage de l&apos;éditeur&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Ouvrir la base de données</translation>
    </message>
    <message>
        <source>Game folder...</source>
        <translation>Dossier du jeu...</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes the open game&apos;s files without leaving the editor</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Quits the editor</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Save changes as patch...</source>
        <translation>Enregistrer comme patch...</translation>
    </message>
    <message>
        <source>Apply patch...</source>
        <translation>Appliquer un patch...</translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation>Comparer avec...</translation>
    </message>
    <message>
        <source>Merge patches...</source>
        <translation>Fusionner des patchs...</translation>
    </message>
    <message>
        <source>Finish Editing...</source>
        <extracomment>Leaves the pages for the start screen, where the game is saved or closed</extracomment>
        <translation>Terminer l&apos;édition...</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Takes back the last change</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Makes again the last change taken back</extracomment>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>All tables...</source>
        <translation>Toutes les tables...</translation>
    </message>
    <message>
        <source>Check game...</source>
        <translation>Vérifier le jeu...</translation>
    </message>
    <message>
        <source>QIRA 2004 was not found: choose its folder with &quot;Game folder...&quot;.</source>
        <translation>QIRA 2004 est introuvable&#xa0;: choisissez son dossier avec «&#xa0;Dossier du jeu...&#xa0;».</translation>
    </message>
    <message>
        <source>Continue Editing...</source>
        <translation>Continuer l&apos;édition...</translation>
    </message>
    <message>
        <source>Select leagues, teams, players on the left.
And edit their parameters on the right.
Don&apos;t forget to click &apos;Apply&apos; button to save changes made.

Click &apos;Finish Editing&apos; on the top-left corner to
exit to the main screen (you can finally save all your
editions there by pressing &apos;Save Changes&apos;)

You can change leagues and teams titles for 
the game, but they won&apos;t change in this program</source>
        <extracomment>The hints page beside the tree when a game has been opened; keep the line breaks.</extracomment>
        <translation>Sélectionnez ligues, équipes et joueurs à gauche,
puis modifiez leurs paramètres à droite.
N&apos;oubliez pas de cliquer sur «&#xa0;Appliquer&#xa0;» pour valider.

Cliquez sur «&#xa0;Terminer l&apos;édition&#xa0;», en haut à gauche, pour
revenir à l&apos;écran principal (où vous pourrez enfin tout
enregistrer avec «&#xa0;Enregistrer les modifications&#xa0;»)

Vous pouvez changer les noms des ligues et des équipes 
pour le jeu, mais ils ne changeront pas dans ce programme</translation>
    </message>
    <message>
        <source>Find in tree</source>
        <translation>Rechercher dans l&apos;arbre</translation>
    </message>
    <message>
        <source>Leagues, teams and players</source>
        <translation>Ligues, équipes et joueurs</translation>
    </message>
    <message>
        <source>Every table and field in a grid (Ctrl+T)</source>
        <translation>Toutes les tables et tous les champs dans une grille (Ctrl+T)</translation>
    </message>
    <message>
        <source>References between the tables that point nowhere, and other problems</source>
        <translation>Références entre les tables qui ne pointent nulle part, et autres problèmes</translation>
    </message>
    <message>
        <source>An editor for the data files of QIRA 2004.
It changes the leagues, teams and players of an installed game:
titles and names, formations, stadiums, captains, squad numbers
and player attributes, and players can change teams.</source>
        <translation>Un éditeur des fichiers de données de QIRA 2004.
Il modifie les ligues, équipes et joueurs d&apos;un jeu installé&#xa0;:
titres, noms, dispositifs, stades, capitaines, numéros de maillot
et attributs des joueurs&#xa0;; les joueurs peuvent changer d&apos;équipe.</translation>
    </message>
    <message>
        <source>This program is not made or supported by the makers of the game.
Keep a copy of the data\cmn folder before you save changes.</source>
        <translation>Ce programme n&apos;est ni conçu ni soutenu par les créateurs du jeu.
Faites une copie du dossier data\cmn avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Choose the game&apos;s folder</source>
        <translation>Choisir le dossier du jeu</translation>
    </message>
    <message>
        <source>Language file</source>
        <translation>Fichier de langue</translation>
    </message>
    <message>
        <source>Write what you changed since opening as a patch file to share</source>
        <translation>Écrire ce que vous avez modifié depuis l&apos;ouverture dans un fichier patch à partager</translation>
    </message>
    <message>
        <source>Apply a patch file to the open game, as one step that can be undone</source>
        <translation>Appliquer un fichier patch au jeu ouvert, en une seule étape annulable</translation>
    </message>
    <message>
        <source>Compare the open game with another install&apos;s and take over the differences you tick (Ctrl+Shift+D)</source>
        <translation>Comparer le jeu ouvert avec celui d&apos;une autre installation et reprendre les différences cochées (Ctrl+Shift+D)</translation>
    </message>
    <message>
        <source>Compare with another game</source>
        <translation>Comparer avec un autre jeu</translation>
    </message>
    <message>
        <source>Merge two patch files made on the open game, choose a side where they disagree and apply (Ctrl+Shift+M)</source>
        <translation>Fusionner deux fichiers patch faits sur le jeu ouvert, choisir un côté là où ils divergent, puis appliquer (Ctrl+Shift+M)</translation>
    </message>
    <message>
        <source>Merge two patches</source>
        <translation>Fusionner deux patchs</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>The name screen readers give the start screen&apos;s status line</extracomment>
        <translation>État</translation>
    </message>
    <message>
        <source>League</source>
        <extracomment>Tab title of the page of a league</extracomment>
        <translation>Ligue</translation>
    </message>
    <message>
        <source>Team</source>
        <extracomment>Tab title of the page of a team</extracomment>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Tab title of the page of a player</extracomment>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>blank</source>
        <extracomment>Tab title of the page that moves players between teams (it has always read &quot;blank&quot;)</extracomment>
        <translation>vierge</translation>
    </message>
    <message>
        <source>TabSheet5</source>
        <extracomment>Tab title of the hints page (it has always read &quot;TabSheet5&quot;)</extracomment>
        <translation>TabSheet5</translation>
    </message>
</context>
<context>
    <name>qira::check</name>
    <message>
        <source>league id %1 is also the id of %2</source>
        <translation>l&apos;ID de ligue %1 est aussi celui de %2</translation>
    </message>
    <message>
        <source>league %1 has no name in the language file</source>
        <translation>la ligue %1 n&apos;a pas de nom dans le fichier de langue</translation>
    </message>
    <message>
        <source>player id %1 is also the id of %2</source>
        <translation>l&apos;ID de joueur %1 est aussi celui de %2</translation>
    </message>
    <message>
        <source>stadium id %1 is also the id of %2</source>
        <translation>l&apos;ID de stade %1 est aussi celui de %2</translation>
    </message>
    <message>
        <source>stadium %1 has no name in the language file</source>
        <translation>le stade %1 n&apos;a pas de nom dans le fichier de langue</translation>
    </message>
    <message>
        <source>team id %1 is also the id of %2</source>
        <translation>l&apos;ID d&apos;équipe %1 est aussi celui de %2</translation>
    </message>
    <message>
        <source>team %1 has no name in the language file</source>
        <translation>l&apos;équipe %1 n&apos;a pas de nom dans le fichier de langue</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a row of the game database, %2 what is wrong with it</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>player %1 is in team %2 twice (also %3)</source>
        <translation>le joueur %1 figure deux fois dans l&apos;équipe %2 (également %3)</translation>
    </message>
    <message>
        <source>players %1 and %2 of team %3 both wear number %4 (also %5)</source>
        <translation>les joueurs %1 et %2 de l&apos;équipe %3 portent tous deux le numéro %4 (également %5)</translation>
    </message>
    <message>
        <source>team %1 has no row in table 9 (team settings)</source>
        <translation>l&apos;équipe %1 n&apos;a pas de ligne dans la table 9 (paramètres d&apos;équipe)</translation>
    </message>
    <message>
        <source>captain %1 of team %2 is not in the team</source>
        <translation>le capitaine %1 de l&apos;équipe %2 ne fait pas partie de l&apos;équipe</translation>
    </message>
    <message>
        <source>penalty taker %1 of team %2 is not in the team</source>
        <translation>le tireur de penalty %1 de l&apos;équipe %2 ne fait pas partie de l&apos;équipe</translation>
    </message>
    <message>
        <source>nation</source>
        <translation>nation</translation>
    </message>
    <message>
        <source>league</source>
        <translation>ligue</translation>
    </message>
    <message>
        <source>league-team link</source>
        <translation>lien ligue-équipe</translation>
    </message>
    <message>
        <source>referee</source>
        <translation>arbitre</translation>
    </message>
    <message>
        <source>player</source>
        <translation>joueur</translation>
    </message>
    <message>
        <source>kit</source>
        <translation>tenue</translation>
    </message>
    <message>
        <source>cup</source>
        <translation>coupe</translation>
    </message>
    <message>
        <source>stadium</source>
        <translation>stade</translation>
    </message>
    <message>
        <source>tactic</source>
        <translation>tactique</translation>
    </message>
    <message>
        <source>team settings</source>
        <translation>paramètres d&apos;équipe</translation>
    </message>
    <message>
        <source>fixture</source>
        <translation>match</translation>
    </message>
    <message>
        <source>team-player link</source>
        <translation>lien équipe-joueur</translation>
    </message>
    <message>
        <source>manager</source>
        <translation>entraîneur</translation>
    </message>
    <message>
        <source>team</source>
        <translation>équipe</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>paramètre</translation>
    </message>
    <message>
        <source>row of table %1</source>
        <translation>ligne de la table %1</translation>
    </message>
    <message>
        <source>%1 %2 does not exist</source>
        <extracomment>%1 is what a row is (player, team, ...), %2 its id</extracomment>
        <translation>%1 %2 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 %2: its %3 %4 does not exist</source>
        <extracomment>%1 %2: the row holding the reference (what it is, its id); %3 %4: the row it names</extracomment>
        <translation>%1 %2 renvoie à %3 %4, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 %2: its %3 %4 (%5) does not exist</source>
        <extracomment>as &quot;%1 %2: its %3 %4 does not exist&quot;, %5 the field holding the reference</extracomment>
        <translation>%1 %2 renvoie à %3 %4 (%5), qui n&apos;existe pas</translation>
    </message>
</context>
<context>
    <name>qira::check_commands</name>
    <message numerus="yes">
        <source>and %Ln more</source>
        <extracomment>The last line of a list of problems; %Ln: how many more are not listed</extracomment>
        <translation>
            <numerusform>et %Ln autre</numerusform>
            <numerusform>et %Ln autres</numerusform>
        </translation>
    </message>
    <message>
        <source>The changes leave a problem the files did not have:

%1

Save anyway?</source>
        <extracomment>%1: the problem, on its own line</extracomment>
        <translation>Les modifications laissent un problème que les fichiers n&apos;avaient pas&#xa0;:

%1

Enregistrer quand même&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>The changes leave %Ln problems the files did not have:

%1

Save anyway?</source>
        <extracomment>%Ln: how many problems (two or more); %1: the problems, one a line</extracomment>
        <translation>
            <numerusform>Les modifications laissent %Ln problème que les fichiers n&apos;avaient pas&#xa0;:

%1

Enregistrer quand même&#xa0;?</numerusform>
            <numerusform>Les modifications laissent %Ln problèmes que les fichiers n&apos;avaient pas&#xa0;:

%1

Enregistrer quand même&#xa0;?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::check_window</name>
    <message>
        <source>Check game</source>
        <translation>Vérification du jeu</translation>
    </message>
    <message>
        <source>Check summary</source>
        <translation>Résumé de la vérification</translation>
    </message>
    <message>
        <source>Problems of the game</source>
        <translation>Problèmes du jeu</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Vérifier à nouveau</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <extracomment>%1: the number of problems (&quot;1 problem&quot;, &quot;3 problems&quot;); %2: how many of them are new</extracomment>
        <translation>Aucun problème trouvé.</translation>
    </message>
    <message>
        <source>%1, %L2 of them made since the files were opened. Double-click one to show its row.</source>
        <translation>%1, dont %L2 apparus depuis l&apos;ouverture des fichiers. Double-cliquez sur l&apos;un d&apos;eux pour afficher sa ligne.</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 problème</translation>
    </message>
    <message numerus="yes">
        <source>%Ln problems</source>
        <translation>
            <numerusform>%Ln problème</numerusform>
            <numerusform>%Ln problèmes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1  (in the files as opened)</source>
        <translation>%1  (déjà dans les fichiers à l&apos;ouverture)</translation>
    </message>
</context>
<context>
    <name>qira::csv</name>
    <message>
        <source>the database has no table %1</source>
        <translation>la base de données n&apos;a pas de table %1</translation>
    </message>
    <message>
        <source>%1 problem</source>
        <translation>%1 problème</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 problèmes</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un champ entre guillemets n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>the file is UTF-16 text (big-endian), broken at byte %1: an odd number of bytes or half a character</source>
        <translation>le fichier est du texte UTF-16 (big-endian), interrompu à l&apos;octet %1&#xa0;: nombre impair d&apos;octets ou moitié de caractère</translation>
    </message>
    <message>
        <source>the file is UTF-16 text (little-endian), broken at byte %1: an odd number of bytes or half a character</source>
        <translation>le fichier est du texte UTF-16 (little-endian), interrompu à l&apos;octet %1&#xa0;: nombre impair d&apos;octets ou moitié de caractère</translation>
    </message>
    <message>
        <source>the file looks like UTF-16 text without a byte-order mark (a NUL in every other byte); save it as CSV UTF-8, or as Unicode text with its byte-order mark</source>
        <translation>le fichier semble être du texte UTF-16 sans marque d&apos;ordre des octets (un NUL un octet sur deux)&#xa0;; enregistrez-le en CSV UTF-8, ou en texte Unicode avec sa marque d&apos;ordre des octets</translation>
    </message>
    <message>
        <source>no field of table %1 has this name</source>
        <translation>aucun champ de la table %1 ne porte ce nom</translation>
    </message>
    <message>
        <source>the column is repeated</source>
        <translation>la colonne est répétée</translation>
    </message>
    <message>
        <source>the header has %1 columns; table %2 has %3 column</source>
        <translation>l&apos;en-tête a %1 colonnes&#xa0;; la table %2 a %3 colonne</translation>
    </message>
    <message>
        <source>the header has %1 columns; table %2 has %3 columns</source>
        <translation>l&apos;en-tête a %1 colonnes&#xa0;; la table %2 a %3 colonnes</translation>
    </message>
    <message>
        <source>the column is missing</source>
        <translation>la colonne est absente</translation>
    </message>
    <message>
        <source>%1 fields, but the header has %2</source>
        <translation>%1 champs, mais l&apos;en-tête en a %2</translation>
    </message>
    <message>
        <source>the file is empty; it needs a header of the table&apos;s field names</source>
        <translation>le fichier est vide&#xa0;; il lui faut un en-tête avec les noms des champs de la table</translation>
    </message>
    <message>
        <source>%1 imported into table %2: %3 row</source>
        <translation>%1 importé dans la table %2&#xa0;: %3 ligne</translation>
    </message>
    <message>
        <source>%1 imported into table %2: %3 rows</source>
        <translation>%1 importé dans la table %2&#xa0;: %3 lignes</translation>
    </message>
    <message>
        <source>%1 matched by key</source>
        <translation>%1 associée(s) par clé</translation>
    </message>
    <message>
        <source>%1 placed by position</source>
        <translation>%1 placée(s) par position</translation>
    </message>
    <message>
        <source>%1 new</source>
        <translation>%1 nouvelle(s)</translation>
    </message>
    <message>
        <source>%1 with a repeated key</source>
        <translation>%1 avec une clé répétée</translation>
    </message>
    <message>
        <source>%1 text of %2 is not valid UTF-8 and was kept as its bytes; was the file saved in another encoding?</source>
        <translation>%1 texte de %2 n&apos;est pas de l&apos;UTF-8 valide et a été conservé sous forme d&apos;octets&#xa0;; le fichier a-t-il été enregistré dans un autre encodage&#xa0;?</translation>
    </message>
    <message>
        <source>%1 texts of %2 are not valid UTF-8 and were kept as their bytes; was the file saved in another encoding?</source>
        <translation>%1 textes de %2 ne sont pas de l&apos;UTF-8 valide et ont été conservés sous forme d&apos;octets&#xa0;; le fichier a-t-il été enregistré dans un autre encodage&#xa0;?</translation>
    </message>
    <message>
        <source>the table has no key fields</source>
        <translation>la table n&apos;a pas de champ clé</translation>
    </message>
    <message>
        <source>the table&apos;s keys are not unique</source>
        <translation>les clés de la table ne sont pas uniques</translation>
    </message>
</context>
<context>
    <name>qira::edit</name>
    <message>
        <source>there is no table %1</source>
        <translation>la table %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>no row is selected</source>
        <translation>aucune ligne n&apos;est sélectionnée</translation>
    </message>
    <message>
        <source>%1 is not a text</source>
        <translation>%1 n&apos;est pas un texte</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>%1 does not fit in %2 bit</source>
        <translation>%1 ne tient pas sur %2 bit</translation>
    </message>
    <message>
        <source>%1 does not fit in %2 bits</source>
        <translation>%1 ne tient pas sur %2 bits</translation>
    </message>
    <message>
        <source>%1 does not fit in 32 bits</source>
        <translation>%1 ne tient pas sur 32 bits</translation>
    </message>
    <message>
        <source>there is no such cell</source>
        <translation>cette cellule n&apos;existe pas</translation>
    </message>
    <message>
        <source>table %1 would have %2 rows; a table holds at most %3</source>
        <translation>la table %1 aurait %2 lignes&#xa0;; une table en contient au plus %3</translation>
    </message>
    <message>
        <source>table %1 would have %2 row words; a table holds at most %3</source>
        <translation>la table %1 aurait %2 mots de ligne&#xa0;; une table en contient au plus %3</translation>
    </message>
    <message>
        <source>%1 value does not fit; nothing was changed</source>
        <translation>%1 valeur ne tient pas&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>%1 values do not fit; nothing was changed</source>
        <translation>%1 valeurs ne tiennent pas&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>there is no cell to paste into</source>
        <translation>il n&apos;y a aucune cellule où coller</translation>
    </message>
    <message>
        <source>there is nothing to paste</source>
        <translation>il n&apos;y a rien à coller</translation>
    </message>
    <message>
        <source>the text runs past the last shown row: it has %1 row, and %2 row is shown from the current cell on; nothing was changed</source>
        <translation>le texte dépasse la dernière ligne affichée&#xa0;: il compte %1 ligne, et %2 ligne est affichée à partir de la cellule courante&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>the text runs past the last shown row: it has %1 row, and %2 rows are shown from the current cell on; nothing was changed</source>
        <translation>le texte dépasse la dernière ligne affichée&#xa0;: il compte %1 ligne, et %2 lignes sont affichées à partir de la cellule courante&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>the text runs past the last shown row: it has %1 rows, and %2 row is shown from the current cell on; nothing was changed</source>
        <translation>le texte dépasse la dernière ligne affichée&#xa0;: il compte %1 lignes, et %2 ligne est affichée à partir de la cellule courante&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>the text runs past the last shown row: it has %1 rows, and %2 rows are shown from the current cell on; nothing was changed</source>
        <translation>le texte dépasse la dernière ligne affichée&#xa0;: il compte %1 lignes, et %2 lignes sont affichées à partir de la cellule courante&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>the text runs past the last shown column: it has %1 column, and %2 column is shown from the current cell on; nothing was changed</source>
        <translation>le texte dépasse la dernière colonne affichée&#xa0;: il compte %1 colonne, et %2 colonne est affichée à partir de la cellule courante&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>the text runs past the last shown column: it has %1 column, and %2 columns are shown from the current cell on; nothing was changed</source>
        <translation>le texte dépasse la dernière colonne affichée&#xa0;: il compte %1 colonne, et %2 colonnes sont affichées à partir de la cellule courante&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>the text runs past the last shown column: it has %1 columns, and %2 column is shown from the current cell on; nothing was changed</source>
        <translation>le texte dépasse la dernière colonne affichée&#xa0;: il compte %1 colonnes, et %2 colonne est affichée à partir de la cellule courante&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>the text runs past the last shown column: it has %1 columns, and %2 columns are shown from the current cell on; nothing was changed</source>
        <translation>le texte dépasse la dernière colonne affichée&#xa0;: il compte %1 colonnes, et %2 colonnes sont affichées à partir de la cellule courante&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>there is no cell to fill</source>
        <translation>il n&apos;y a aucune cellule à remplir</translation>
    </message>
    <message>
        <source>there is no column to adjust</source>
        <translation>il n&apos;y a aucune colonne à ajuster</translation>
    </message>
    <message>
        <source>the amount is not a number</source>
        <translation>la valeur n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>only packed values can be adjusted; %1 is a key</source>
        <translation>seules les valeurs compactées peuvent être ajustées&#xa0;; %1 est une clé</translation>
    </message>
    <message>
        <source>only packed values can be adjusted; %1 is a extra</source>
        <translation>seules les valeurs compactées peuvent être ajustées&#xa0;; %1 est un champ extra</translation>
    </message>
    <message>
        <source>only packed values can be adjusted; %1 is a text</source>
        <translation>seules les valeurs compactées peuvent être ajustées&#xa0;; %1 est un texte</translation>
    </message>
    <message>
        <source>team %1 does not exist</source>
        <translation>l&apos;équipe %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>player %1 is already in team %2; a team holds a player once</source>
        <translation>le joueur %1 fait déjà partie de l&apos;équipe %2&#xa0;; un joueur ne figure qu&apos;une fois dans une équipe</translation>
    </message>
    <message>
        <source>team %1 has no free jersey number</source>
        <translation>l&apos;équipe %1 n&apos;a plus de numéro de maillot libre</translation>
    </message>
    <message>
        <source>table 11 (team players) is missing or lacks its fields</source>
        <translation>la table 11 (joueurs d&apos;équipe) est absente ou ses champs manquent</translation>
    </message>
    <message>
        <source>no membership row %1</source>
        <translation>la ligne d&apos;appartenance %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>no player row %1</source>
        <translation>la ligne de joueur %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>no player id is left</source>
        <translation>il ne reste aucun ID de joueur libre</translation>
    </message>
</context>
<context>
    <name>qira::file_commands</name>
    <message>
        <source>Can&apos;t open %1 file!
<byte value="xd"/>Make sure QIRA 2004 fully installed</source>
        <extracomment>%1: the language file&apos;s name (eng.db)</extracomment>
        <translation>Impossible d&apos;ouvrir le fichier %1&#xa0;!
<byte value="xd"/>Vérifiez que QIRA 2004 est entièrement installé</translation>
    </message>
    <message>
        <source>Can&apos;t open %1 file.
<byte value="xd"/>Make sure QIRA 2004 fully installed</source>
        <extracomment>%1: the game database&apos;s name (qira.db)</extracomment>
        <translation>Impossible d&apos;ouvrir le fichier %1.
<byte value="xd"/>Vérifiez que QIRA 2004 est entièrement installé</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <extracomment>Title of the message box of a game file that did not load</extracomment>
        <translation>Erreur fatale</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Title of the message box of a save that failed</extracomment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Changes saved to %1 and %2.</source>
        <extracomment>%1: the game database&apos;s file name, %2: the language file&apos;s name</extracomment>
        <translation>Modifications enregistrées dans %1 et %2.</translation>
    </message>
    <message>
        <source>There are changes that have not been saved. Discard them?</source>
        <translation>Certaines modifications n&apos;ont pas été enregistrées. Les abandonner&#xa0;?</translation>
    </message>
</context>
<context>
    <name>qira::filter_header</name>
    <message>
        <source>Filter</source>
        <extracomment>Placeholder of the field above a column that filters its rows</extracomment>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Filter of column %1</source>
        <translation>Filtre de la colonne %1</translation>
    </message>
    <message>
        <source>Rows whose %1 contains this text, or a comparison: =5, !=5, &gt;10, &lt;=3, 10..20</source>
        <extracomment>%1: the column&apos;s name</extracomment>
        <translation>Lignes dont la colonne %1 contient ce texte, ou une comparaison&#xa0;: =5, !=5, &gt;10, &lt;=3, 10..20</translation>
    </message>
</context>
<context>
    <name>qira::free_player_dialog</name>
    <message>
        <source>Sign free player</source>
        <translation>Recruter un joueur libre</translation>
    </message>
    <message>
        <source>Filter by name or id</source>
        <translation>Filtrer par nom ou ID</translation>
    </message>
    <message>
        <source>Filter of players without a team</source>
        <translation>Filtre des joueurs sans équipe</translation>
    </message>
    <message>
        <source>Players without a team</source>
        <translation>Joueurs sans équipe</translation>
    </message>
    <message>
        <source>&amp;Players without a team (%L1)</source>
        <translation>&amp;Joueurs sans équipe (%L1)</translation>
    </message>
</context>
<context>
    <name>qira::game_folder</name>
    <message>
        <source>The folder QIRA 2004 is installed in</source>
        <translation>Le dossier où QIRA 2004 est installé</translation>
    </message>
    <message>
        <source>%1 holds no data\cmn\qira.db, so it is not the folder of QIRA 2004.

Choose the folder the game is installed in (the one that holds &quot;data&quot;).</source>
        <extracomment>%1: the folder chosen</extracomment>
        <translation>%1 ne contient pas data\cmn\qira.db&#xa0;: ce n&apos;est donc pas le dossier de QIRA 2004.

Choisissez le dossier où le jeu est installé (celui qui contient «&#xa0;data&#xa0;»).</translation>
    </message>
    <message>
        <source>The game&apos;s folder is %1.</source>
        <extracomment>%1: the game&apos;s install folder</extracomment>
        <translation>Dossier du jeu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The game&apos;s folder is %1 for now: it could not be remembered for the next start.</source>
        <extracomment>%1: the game&apos;s install folder</extracomment>
        <translation>Dossier du jeu&#xa0;: %1 pour l&apos;instant&#xa0;; il n&apos;a pas pu être mémorisé pour le prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>qira::handler_values</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Index de liste hors limites (%1)</translation>
    </message>
</context>
<context>
    <name>qira::item_lists</name>
    <message>
        <source>Primier</source>
        <translation>Élite</translation>
    </message>
    <message>
        <source>First</source>
        <translation>1re division</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>2e division</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>3e division</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Posession</source>
        <translation>Possession</translation>
    </message>
    <message>
        <source>Long ball</source>
        <translation>Jeu long</translation>
    </message>
    <message>
        <source>Wing play</source>
        <translation>Jeu sur les ailes</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Non défini</translation>
    </message>
    <message>
        <source>3-5-2 Attacking</source>
        <translation>3-5-2 offensif</translation>
    </message>
    <message>
        <source>3-5-2 Defensive</source>
        <translation>3-5-2 défensif</translation>
    </message>
    <message>
        <source>3-5-2 Neutral</source>
        <translation>3-5-2 équilibré</translation>
    </message>
    <message>
        <source>4-3-3 Neutral</source>
        <translation>4-3-3 équilibré</translation>
    </message>
    <message>
        <source>4-3-3 Defensive</source>
        <translation>4-3-3 défensif</translation>
    </message>
    <message>
        <source>4-3-3 Attacking</source>
        <translation>4-3-3 offensif</translation>
    </message>
    <message>
        <source>4-4-2 Neutral</source>
        <translation>4-4-2 équilibré</translation>
    </message>
    <message>
        <source>4-4-2 Defensive</source>
        <translation>4-4-2 défensif</translation>
    </message>
    <message>
        <source>4-4-2 Attacking</source>
        <translation>4-4-2 offensif</translation>
    </message>
    <message>
        <source>5-3-2 Neutral</source>
        <translation>5-3-2 équilibré</translation>
    </message>
    <message>
        <source>5-3-2 Defensive</source>
        <translation>5-3-2 défensif</translation>
    </message>
    <message>
        <source>5-3-2 Attacking</source>
        <translation>5-3-2 offensif</translation>
    </message>
    <message>
        <source>5-2-3 Neutral</source>
        <translation>5-2-3 équilibré</translation>
    </message>
    <message>
        <source>5-2-3 Defensive</source>
        <translation>5-2-3 défensif</translation>
    </message>
    <message>
        <source>5-2-3 Attacking</source>
        <translation>5-2-3 offensif</translation>
    </message>
    <message>
        <source>4-5-1 Neutral</source>
        <translation>4-5-1 équilibré</translation>
    </message>
    <message>
        <source>4-1-2-1-2 Neutral</source>
        <translation>4-1-2-1-2 équilibré</translation>
    </message>
    <message>
        <source>4-2-3-1 Neutral</source>
        <translation>4-2-3-1 équilibré</translation>
    </message>
    <message>
        <source>4-3-1-2 Neutral</source>
        <translation>4-3-1-2 équilibré</translation>
    </message>
    <message>
        <source>4-2-4 Neutral</source>
        <translation>4-2-4 équilibré</translation>
    </message>
    <message>
        <source>4-4-1-1 Neutral</source>
        <translation>4-4-1-1 équilibré</translation>
    </message>
    <message>
        <source>3-4-1-2 Neutral</source>
        <translation>3-4-1-2 équilibré</translation>
    </message>
    <message>
        <source>3-6-1 Neutral</source>
        <translation>3-6-1 équilibré</translation>
    </message>
    <message>
        <source>2-3-5 Neutral</source>
        <translation>2-3-5 équilibré</translation>
    </message>
    <message>
        <source>5-4-1 Neutral</source>
        <translation>5-4-1 équilibré</translation>
    </message>
    <message>
        <source>3-6-1 Attacking</source>
        <translation>3-6-1 offensif</translation>
    </message>
    <message>
        <source>3-6-1 Defensive</source>
        <translation>3-6-1 défensif</translation>
    </message>
    <message>
        <source>4-4-1-1 Attacking</source>
        <translation>4-4-1-1 offensif</translation>
    </message>
    <message>
        <source>3-4-3 Attacking</source>
        <translation>3-4-3 offensif</translation>
    </message>
    <message>
        <source>3-4-3 Defensive</source>
        <translation>3-4-3 défensif</translation>
    </message>
    <message>
        <source>3-4-3 Neutral</source>
        <translation>3-4-3 équilibré</translation>
    </message>
    <message>
        <source>2-3-5 Attacking</source>
        <translation>2-3-5 offensif</translation>
    </message>
    <message>
        <source>2-3-5 Defensive</source>
        <translation>2-3-5 défensif</translation>
    </message>
    <message>
        <source>3-4-1-2 Attacking</source>
        <translation>3-4-1-2 offensif</translation>
    </message>
    <message>
        <source>3-4-1-2 Defensive</source>
        <translation>3-4-1-2 défensif</translation>
    </message>
    <message>
        <source>4-1-2-1-2 Attacking</source>
        <translation>4-1-2-1-2 offensif</translation>
    </message>
    <message>
        <source>4-1-2-1-2 Defensive</source>
        <translation>4-1-2-1-2 défensif</translation>
    </message>
    <message>
        <source>4-2-3-1 Attacking</source>
        <translation>4-2-3-1 offensif</translation>
    </message>
    <message>
        <source>4-2-3-1 Defensive</source>
        <translation>4-2-3-1 défensif</translation>
    </message>
    <message>
        <source>4-2-4 Attacking</source>
        <translation>4-2-4 offensif</translation>
    </message>
    <message>
        <source>4-2-4 Defensive</source>
        <translation>4-2-4 défensif</translation>
    </message>
    <message>
        <source>4-3-1-2 Attacking</source>
        <translation>4-3-1-2 offensif</translation>
    </message>
    <message>
        <source>4-3-1-2 Defensive</source>
        <translation>4-3-1-2 défensif</translation>
    </message>
    <message>
        <source>4-4-1-1 Defensive</source>
        <translation>4-4-1-1 défensif</translation>
    </message>
    <message>
        <source>4-5-1 Attacking</source>
        <translation>4-5-1 offensif</translation>
    </message>
    <message>
        <source>4-5-1 Defensive</source>
        <translation>4-5-1 défensif</translation>
    </message>
    <message>
        <source>5-4-1 Attacking</source>
        <translation>5-4-1 offensif</translation>
    </message>
    <message>
        <source>5-4-1 Defensive</source>
        <translation>5-4-1 défensif</translation>
    </message>
    <message>
        <source>GK</source>
        <extracomment>Positions on the pitch, abbreviated as on a team sheet (GK goalkeeper, SW sweeper, RB right back, CB centre back, DM/CM/AM defensive/central/attacking midfielder, WM wide midfielder, CF centre forward, ST striker, Sub substitute, Res reserve)</extracomment>
        <translation>G</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>LIB</translation>
    </message>
    <message>
        <source>RB</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>RCB</source>
        <translation>DCD</translation>
    </message>
    <message>
        <source>CB</source>
        <translation>DC</translation>
    </message>
    <message>
        <source>LCB</source>
        <translation>DCG</translation>
    </message>
    <message>
        <source>LB</source>
        <translation>DG</translation>
    </message>
    <message>
        <source>RDM</source>
        <translation>MDD</translation>
    </message>
    <message>
        <source>RCDM</source>
        <translation>MDCD</translation>
    </message>
    <message>
        <source>CDM</source>
        <translation>MDC</translation>
    </message>
    <message>
        <source>LCDM</source>
        <translation>MDCG</translation>
    </message>
    <message>
        <source>LDM</source>
        <translation>MDG</translation>
    </message>
    <message>
        <source>RWM</source>
        <translation>MED</translation>
    </message>
    <message>
        <source>RM</source>
        <translation>MD</translation>
    </message>
    <message>
        <source>RCM</source>
        <translation>MCD</translation>
    </message>
    <message>
        <source>CM</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>MCG</translation>
    </message>
    <message>
        <source>LM</source>
        <translation>MG</translation>
    </message>
    <message>
        <source>LWM</source>
        <translation>MEG</translation>
    </message>
    <message>
        <source>RAM</source>
        <translation>MOD</translation>
    </message>
    <message>
        <source>RCAM</source>
        <translation>MOCD</translation>
    </message>
    <message>
        <source>CAM</source>
        <translation>MOC</translation>
    </message>
    <message>
        <source>LCAM</source>
        <translation>MOCG</translation>
    </message>
    <message>
        <source>LAM</source>
        <translation>MOG</translation>
    </message>
    <message>
        <source>RCF</source>
        <translation>ACD</translation>
    </message>
    <message>
        <source>CF</source>
        <translation>AC</translation>
    </message>
    <message>
        <source>LCF</source>
        <translation>ACG</translation>
    </message>
    <message>
        <source>RS</source>
        <translation>BUD</translation>
    </message>
    <message>
        <source>ST</source>
        <translation>BU</translation>
    </message>
    <message>
        <source>LS</source>
        <translation>BUG</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Remp</translation>
    </message>
    <message>
        <source>Res</source>
        <translation>Rés</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Brun</translation>
    </message>
    <message>
        <source>Light Brown</source>
        <translation>Châtain clair</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Blond</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
</context>
<context>
    <name>qira::league_page</name>
    <message>
        <source>Long Title</source>
        <translation>Titre long</translation>
    </message>
    <message>
        <source>Short Title</source>
        <translation>Titre court</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Apply league %1</source>
        <translation>Appliquer la ligue %1</translation>
    </message>
</context>
<context>
    <name>qira::merge_conflicts_window</name>
    <message>
        <source>left out</source>
        <translation>écarté</translation>
    </message>
    <message>
        <source>bits no field covers</source>
        <extracomment>What a conflict is about: bits of a row that no field of the table covers</extracomment>
        <translation>bits qu&apos;aucun champ ne couvre</translation>
    </message>
    <message>
        <source>the row</source>
        <translation>la ligne</translation>
    </message>
    <message>
        <source>the table&apos;s rows</source>
        <translation>les lignes de la table</translation>
    </message>
    <message>
        <source>text</source>
        <extracomment>What a conflict is about: a text of the language file</extracomment>
        <translation>texte</translation>
    </message>
    <message>
        <source>1 place where A (%1) and B (%2) disagree. Choose the side each takes, or leave it out; the merged changes are shown for review next.</source>
        <extracomment>%1 and %2: the names of the two patches merged</extracomment>
        <translation>1 endroit où A (%1) et B (%2) divergent. Choisissez le côté retenu pour chacun, ou écartez-le&#xa0;; les modifications fusionnées sont ensuite présentées pour examen.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln places where A (%1) and B (%2) disagree. Choose the side each takes, or leave it out; the merged changes are shown for review next.</source>
        <translation>
            <numerusform>%Ln endroit où A (%1) et B (%2) divergent. Choisissez le côté retenu, ou écartez-le&#xa0;; les modifications fusionnées sont ensuite présentées pour examen.</numerusform>
            <numerusform>%Ln endroits où A (%1) et B (%2) divergent. Choisissez le côté retenu pour chacun, ou écartez-le&#xa0;; les modifications fusionnées sont ensuite présentées pour examen.</numerusform>
        </translation>
    </message>
    <message>
        <source>What the conflicts are</source>
        <translation>Nature des conflits</translation>
    </message>
    <message>
        <source>Conflicts of the two patches</source>
        <translation>Conflits des deux patchs</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>Column headers: the row, the field, its value before both patches, the value of patch A and of patch B, and the side taken</extracomment>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>%1 on the selected lines (%2)</source>
        <extracomment>%1: the command (Take A, Take B, Leave out); %2: its keys</extracomment>
        <translation>%1 sur les lignes sélectionnées (%2)</translation>
    </message>
    <message>
        <source>Take A</source>
        <translation>Prendre A</translation>
    </message>
    <message>
        <source>Take B</source>
        <translation>Prendre B</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Écarter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Merge with these choices and review the changes</source>
        <translation>Fusionner avec ces choix et examiner les modifications</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>qira::message_sink</name>
    <message>
        <source>Fatal Error</source>
        <translation>Erreur fatale</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>qira::patch</name>
    <message>
        <source>the patch removes it twice</source>
        <translation>le patch supprime cette ligne deux fois</translation>
    </message>
    <message>
        <source>the patch lists it twice</source>
        <translation>le patch mentionne cette ligne deux fois</translation>
    </message>
    <message>
        <source>already there, patch adds it</source>
        <translation>existe déjà, le patch l&apos;ajoute</translation>
    </message>
    <message>
        <source>the database has %1 tables, the patch changes table %2</source>
        <translation>la base de données a %1 tables, le patch modifie la table %2</translation>
    </message>
    <message>
        <source>table %1 is %2, the patch is for %3</source>
        <translation>la table %1 est %2, le patch concerne %3</translation>
    </message>
    <message>
        <source>table %1 has other fields than the patch&apos;s %2</source>
        <translation>la table %1 n&apos;a pas les mêmes champs que la table %2 du patch</translation>
    </message>
    <message>
        <source>table %1 field %2 is %3, the patch&apos;s is %4</source>
        <translation>le champ %2 de la table %1 est %3, celui du patch est %4</translation>
    </message>
    <message>
        <source>%1 (removed by the patch) it has %2 values, the patch&apos;s row %3</source>
        <translation>%1 (supprimée par le patch)&#xa0;: %2 valeurs, contre %3 dans la ligne du patch</translation>
    </message>
    <message>
        <source>%1 (removed by the patch) field %2: holds %3, patch expects %4</source>
        <translation>%1 (supprimée par le patch), champ %2&#xa0;: contient %3, le patch attend %4</translation>
    </message>
    <message>
        <source>%1 (removed by the patch) the bits no field covers are not what the patch expects</source>
        <translation>%1 (supprimée par le patch)&#xa0;: les bits qu&apos;aucun champ ne couvre ne sont pas ceux qu&apos;attend le patch</translation>
    </message>
    <message>
        <source>%1 (%2): &quot;stored&quot; holds %3 word, the table&apos;s rows need %4</source>
        <translation>%1 (%2)&#xa0;: &quot;stored&quot; contient %3 mot, les lignes de la table en demandent %4</translation>
    </message>
    <message>
        <source>%1 (%2): &quot;stored&quot; holds %3 words, the table&apos;s rows need %4</source>
        <translation>%1 (%2)&#xa0;: &quot;stored&quot; contient %3 mots, les lignes de la table en demandent %4</translation>
    </message>
    <message>
        <source>%1 (added by the patch) field %2: %3</source>
        <translation>%1 (ajoutée par le patch), champ %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>removed by the patch</source>
        <translation>supprimée par le patch</translation>
    </message>
    <message>
        <source>missing, patch removes it</source>
        <translation>n&apos;existe pas, le patch la supprime</translation>
    </message>
    <message>
        <source>the patch changes field %1, which is no extra, text or value of the table</source>
        <translation>le patch modifie le champ %1, qui n&apos;est ni un champ extra, ni un texte, ni une valeur de la table</translation>
    </message>
    <message>
        <source>the patch changes field %1 twice</source>
        <translation>le patch modifie le champ %1 deux fois</translation>
    </message>
    <message>
        <source>holds %1, patch expects %2</source>
        <translation>contient %1, le patch attend %2</translation>
    </message>
    <message>
        <source>missing, patch changes it</source>
        <translation>n&apos;existe pas, le patch la modifie</translation>
    </message>
    <message>
        <source>changed by the patch</source>
        <translation>modifiée par le patch</translation>
    </message>
    <message>
        <source>the bits no field covers are not what the patch expects</source>
        <translation>les bits qu&apos;aucun champ ne couvre ne sont pas ceux qu&apos;attend le patch</translation>
    </message>
    <message>
        <source>the row it follows (%1) is missing</source>
        <translation>la ligne qu&apos;elle doit suivre (%1) n&apos;existe pas</translation>
    </message>
    <message>
        <source>the added row has %1 values, the table %2</source>
        <translation>la ligne ajoutée a %1 valeurs, la table %2</translation>
    </message>
    <message>
        <source>added by the patch</source>
        <translation>ajoutée par le patch</translation>
    </message>
    <message>
        <source>%1 would hold %2 rows (%3 row words); at most %4 rows and %5 row words are allowed</source>
        <translation>%1 contiendrait %2 lignes (%3 mots de ligne)&#xa0;; %4 lignes et %5 mots de ligne au maximum sont autorisés</translation>
    </message>
    <message>
        <source>%1 holds %2 rows, patch expects %3</source>
        <translation>%1 contient %2 lignes, le patch en attend %3</translation>
    </message>
    <message>
        <source>language entry %1: missing, patch removes it</source>
        <translation>entrée de langue %1&#xa0;: n&apos;existe pas, le patch la supprime</translation>
    </message>
    <message>
        <source>language entry %1: holds %2, patch expects %3</source>
        <translation>entrée de langue %1&#xa0;: contient %2, le patch attend %3</translation>
    </message>
    <message>
        <source>language entry %1: missing, patch changes it</source>
        <translation>entrée de langue %1&#xa0;: n&apos;existe pas, le patch la modifie</translation>
    </message>
    <message>
        <source>language entry %1: the patch lists it twice</source>
        <translation>entrée de langue %1&#xa0;: le patch la mentionne deux fois</translation>
    </message>
    <message>
        <source>language entry %1, which the added entry %2 follows, is missing</source>
        <translation>l&apos;entrée de langue %1, que doit suivre l&apos;entrée ajoutée %2, n&apos;existe pas</translation>
    </message>
    <message>
        <source>language entry %1: already there, patch adds it</source>
        <translation>entrée de langue %1&#xa0;: existe déjà, le patch l&apos;ajoute</translation>
    </message>
    <message>
        <source>the language file would hold %1 entries; at most %2 are allowed</source>
        <translation>le fichier de langue contiendrait %1 entrées&#xa0;; %2 au maximum sont autorisées</translation>
    </message>
    <message>
        <source>the patch changes language entries, and no language file is given</source>
        <translation>le patch modifie des entrées de langue, mais aucun fichier de langue n&apos;est fourni</translation>
    </message>
    <message>
        <source>the first has %1 tables, the second %2</source>
        <translation>le premier a %1 tables, le second %2</translation>
    </message>
    <message>
        <source>table %1 is %2 in the first, %3 in the second</source>
        <translation>la table %1 est %2 dans le premier, %3 dans le second</translation>
    </message>
    <message>
        <source>table %1 %2 has other kinds of fields in the two</source>
        <translation>la table %1 %2 n&apos;a pas les mêmes types de champs dans les deux</translation>
    </message>
    <message>
        <source>table %1 field %2 is %3 in the first, %4 in the second</source>
        <translation>le champ %2 de la table %1 est %3 dans le premier, %4 dans le second</translation>
    </message>
    <message>
        <source>table %1 field %2 is %3 bits wide in the first, %4 in the second</source>
        <translation>le champ %2 de la table %1 fait %3 bits dans le premier, %4 dans le second</translation>
    </message>
    <message>
        <source>table %1 has %2 words per row in the first, %3 in the second</source>
        <translation>la table %1 a %2 mots par ligne dans le premier, %3 dans le second</translation>
    </message>
    <message>
        <source>table %1 is %2 in the first patch, %3 in the second</source>
        <translation>la table %1 est %2 dans le premier patch, %3 dans le second</translation>
    </message>
    <message>
        <source>table %1 %2 has other fields in the two patches</source>
        <translation>la table %1 %2 n&apos;a pas les mêmes champs dans les deux patchs</translation>
    </message>
    <message>
        <source>table %1 %2 has %3 rows before in the first patch, %4 in the second: they were made on different games</source>
        <translation>la table %1 %2 a %3 lignes au départ dans le premier patch, %4 dans le second&#xa0;: ils ont été créés sur des jeux différents</translation>
    </message>
    <message>
        <source>the base game and game %1 cannot be compared: %2</source>
        <translation>impossible de comparer le jeu de base et le jeu %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the merged changes do not apply to the base game: %1</source>
        <translation>les modifications fusionnées ne s&apos;appliquent pas au jeu de base&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>qira::patch_commands</name>
    <message>
        <source>%1 does not apply to this game: 1 conflict. Nothing was changed.

%2</source>
        <extracomment>%1: the patch&apos;s name; %2: the conflict, on its own line</extracomment>
        <translation>%1 ne s&apos;applique pas à ce jeu&#xa0;: 1 conflit. Rien n&apos;a été modifié.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%1 does not apply to this game: %Ln conflicts. Nothing was changed.

%2</source>
        <extracomment>%1: the patch&apos;s name; %Ln: how many conflicts (two or more); %2: the conflicts, one a line</extracomment>
        <translation>
            <numerusform>%1 ne s&apos;applique pas à ce jeu&#xa0;: %Ln conflit. Rien n&apos;a été modifié.

%2</numerusform>
            <numerusform>%1 ne s&apos;applique pas à ce jeu&#xa0;: %Ln conflits. Rien n&apos;a été modifié.

%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Save changes as patch</source>
        <translation>Enregistrer les modifications comme patch</translation>
    </message>
    <message>
        <source>Apply patch</source>
        <translation>Appliquer un patch</translation>
    </message>
    <message>
        <source>Patches (*.json);;All files (*)</source>
        <extracomment>File dialog filters: the parts in brackets stay as they are</extracomment>
        <translation>Patchs (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Compare with another game</source>
        <translation>Comparer avec un autre jeu</translation>
    </message>
    <message>
        <source>Game database (qira.db);;All files (*)</source>
        <extracomment>File dialog filters: the parts in brackets stay as they are</extracomment>
        <translation>Base de données du jeu (qira.db);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The files could not be read again after they were opened, so there is nothing to compare the changes with.</source>
        <translation>Les fichiers n&apos;ont pas pu être relus après leur ouverture&#xa0;: il n&apos;y a rien à quoi comparer les modifications.</translation>
    </message>
    <message>
        <source>Comparing the game with its files as opened...</source>
        <translation>Comparaison du jeu avec ses fichiers tels qu&apos;ouverts...</translation>
    </message>
    <message>
        <source>Nothing was changed since the files were opened: there is no patch to write.</source>
        <translation>Rien n&apos;a été modifié depuis l&apos;ouverture des fichiers&#xa0;: aucun patch à écrire.</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <extracomment>Progress; %1: the patch file&apos;s name</extracomment>
        <translation>Écriture de %1...</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Title of the message box of a save that failed</extracomment>
        <translation>Erreur</translation>
    </message>
    <message numerus="yes">
        <source>A patch of %Ln changes was written to %1.</source>
        <extracomment>%Ln: how many changes; %1: the patch file&apos;s name</extracomment>
        <translation>
            <numerusform>Un patch de %Ln modification a été écrit dans %1.</numerusform>
            <numerusform>Un patch de %Ln modifications a été écrit dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <extracomment>Progress; %1: the patch file&apos;s name</extracomment>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The two patch files merged, named in other messages; %1, %2: their file names</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Merging %1...</source>
        <extracomment>Progress; %1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>Fusion de %1...</translation>
    </message>
    <message>
        <source>Merged from %1: no conflicts.</source>
        <extracomment>%1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>Fusion de %1&#xa0;: aucun conflit.</translation>
    </message>
    <message>
        <source>Conflicts of %1</source>
        <extracomment>Window title; %1: the two patch files</extracomment>
        <translation>Conflits de %1</translation>
    </message>
    <message>
        <source>%1 were not merged; nothing was changed.</source>
        <extracomment>%1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>%1 n&apos;ont pas été fusionnés&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Merged from %1: 1 conflict decided (a: %2, b: %3, left out: %4).</source>
        <extracomment>%1: the two patch files; %2, %3, %4: how many conflicts took side a, took side b, were left out</extracomment>
        <translation>Fusion de %1&#xa0;: 1 conflit tranché (a&#xa0;: %2, b&#xa0;: %3, écartés&#xa0;: %4).</translation>
    </message>
    <message numerus="yes">
        <source>Merged from %1: %Ln conflicts decided (a: %2, b: %3, left out: %4).</source>
        <extracomment>%1: the two patch files; %Ln: how many conflicts (two or more); %2, %3, %4: how many took side a, took side b, were left out</extracomment>
        <translation>
            <numerusform>Fusion de %1&#xa0;: %Ln conflit tranché (a&#xa0;: %2, b&#xa0;: %3, écartés&#xa0;: %4).</numerusform>
            <numerusform>Fusion de %1&#xa0;: %Ln conflits tranchés (a&#xa0;: %2, b&#xa0;: %3, écartés&#xa0;: %4).</numerusform>
        </translation>
    </message>
    <message>
        <source>merge patches %1</source>
        <extracomment>Undo step; %1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>fusionner les patchs %1</translation>
    </message>
    <message>
        <source>Merge patches %1</source>
        <extracomment>Window title; %1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>Fusionner les patchs %1</translation>
    </message>
    <message>
        <source>%1 has no language file %2 beside it, so the language entries are not compared.</source>
        <extracomment>%1: the other game&apos;s database; %2: the language file&apos;s name</extracomment>
        <translation>%1 n&apos;a pas de fichier de langue %2 à côté de lui&#xa0;: les entrées de langue ne sont pas comparées.</translation>
    </message>
    <message>
        <source>Reading and comparing %1...</source>
        <extracomment>Progress; %1: the other game&apos;s database</extracomment>
        <translation>Lecture et comparaison de %1...</translation>
    </message>
    <message>
        <source>The open game and %1 hold the same.</source>
        <extracomment>%1: the other game&apos;s database</extracomment>
        <translation>Le jeu ouvert et %1 ont le même contenu.</translation>
    </message>
    <message>
        <source>Differences from the open game to %1: tick what to take over.</source>
        <extracomment>%1: the other game&apos;s database</extracomment>
        <translation>Différences entre le jeu ouvert et %1&#xa0;: cochez ce qu&apos;il faut reprendre.</translation>
    </message>
    <message>
        <source>take over from %1</source>
        <extracomment>Undo step; %1: the other game&apos;s database</extracomment>
        <translation>reprendre de %1</translation>
    </message>
    <message>
        <source>Compare with %1</source>
        <extracomment>Window title; %1: the other game&apos;s database</extracomment>
        <translation>Comparer avec %1</translation>
    </message>
    <message>
        <source>%1 holds no changes.</source>
        <extracomment>%1: the patch (or the game compared with)</extracomment>
        <translation>%1 ne contient aucune modification.</translation>
    </message>
    <message>
        <source>Review patch %1</source>
        <extracomment>Window title; %1: the patch file&apos;s name</extracomment>
        <translation>Examiner le patch %1</translation>
    </message>
    <message>
        <source>%1 was not applied; nothing was changed.</source>
        <extracomment>%1: the patch (or the game compared with)</extracomment>
        <translation>%1 n&apos;a pas été appliqué&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1: the selected changes change nothing in this game.</source>
        <extracomment>%1: the patch (or the game compared with)</extracomment>
        <translation>%1&#xa0;: les modifications sélectionnées ne changent rien dans ce jeu.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 changes applied; Undo takes them back.</source>
        <extracomment>%1: the patch (or the game compared with); %2 of %3: the changes ticked of all changes</extracomment>
        <translation>%1&#xa0;: %2 modifications sur %3 appliquées&#xa0;; Annuler les défait.</translation>
    </message>
    <message>
        <source>apply patch %1</source>
        <extracomment>Undo step; %1: the patch file&apos;s name</extracomment>
        <translation>appliquer le patch %1</translation>
    </message>
    <message>
        <source>No patch can be made: %1</source>
        <extracomment>%1: why not</extracomment>
        <translation>Impossible de créer un patch&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 cannot be merged: %2. Nothing was changed.</source>
        <extracomment>%1: the two patch files; %2: why not</extracomment>
        <translation>Impossible de fusionner %1&#xa0;: %2. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The open game cannot be compared with %1: %2. Nothing was changed.</source>
        <extracomment>%1: the other game&apos;s database; %2: why not</extracomment>
        <translation>Impossible de comparer le jeu ouvert avec %1&#xa0;: %2. Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>qira::patch_review_model</name>
    <message>
        <source>1 conflict</source>
        <translation>1 conflit</translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts</source>
        <translation>
            <numerusform>%Ln conflit</numerusform>
            <numerusform>%Ln conflits</numerusform>
        </translation>
    </message>
    <message>
        <source>field %1</source>
        <extracomment>%1: the name of a field of a row the patch changes</extracomment>
        <translation>champ %1</translation>
    </message>
    <message>
        <source>Conflict: %1</source>
        <extracomment>%1: why the change conflicts with the game</extracomment>
        <translation>Conflit&#xa0;: %1</translation>
    </message>
    <message>
        <source>1 conflict beneath</source>
        <translation>1 conflit en dessous</translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts beneath</source>
        <translation>
            <numerusform>%Ln conflit en dessous</numerusform>
            <numerusform>%Ln conflits en dessous</numerusform>
        </translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Column header: the table, row or field a patch changes</extracomment>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Patch expects</source>
        <translation>Attendu par le patch</translation>
    </message>
    <message>
        <source>Game holds</source>
        <translation>Valeur du jeu</translation>
    </message>
    <message>
        <source>Will be</source>
        <translation>Deviendra</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Conflit</translation>
    </message>
</context>
<context>
    <name>qira::patch_review_window</name>
    <message>
        <source>1 change</source>
        <translation>1 modification</translation>
    </message>
    <message numerus="yes">
        <source>%Ln changes</source>
        <translation>
            <numerusform>%Ln modification</numerusform>
            <numerusform>%Ln modifications</numerusform>
        </translation>
    </message>
    <message>
        <source>1 conflict</source>
        <translation>1 conflit</translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts</source>
        <translation>
            <numerusform>%Ln conflit</numerusform>
            <numerusform>%Ln conflits</numerusform>
        </translation>
    </message>
    <message>
        <source>Where these changes come from</source>
        <translation>Origine de ces modifications</translation>
    </message>
    <message>
        <source>... and %L1 more</source>
        <translation>... et %L1 de plus</translation>
    </message>
    <message>
        <source>No change of this patch can be applied to this game:
%1</source>
        <extracomment>%1: the problems, one a line</extracomment>
        <translation>Aucune modification de ce patch ne peut être appliquée à ce jeu&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Problems of the whole patch</source>
        <translation>Problèmes de l&apos;ensemble du patch</translation>
    </message>
    <message>
        <source>A table, a name, a field or a value (Ctrl+F)</source>
        <translation>Une table, un nom, un champ ou une valeur (Ctrl+F)</translation>
    </message>
    <message>
        <source>Find in the changes</source>
        <translation>Rechercher dans les modifications</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Changes of the patch</source>
        <translation>Modifications du patch</translation>
    </message>
    <message>
        <source>Review summary</source>
        <translation>Résumé de l&apos;examen</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Tick every change that does not conflict</source>
        <translation>Cocher chaque modification sans conflit</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Ne rien sélectionner</translation>
    </message>
    <message>
        <source>Apply selected</source>
        <translation>Appliquer la sélection</translation>
    </message>
    <message>
        <source>Apply the ticked changes as one step of Undo</source>
        <translation>Appliquer les modifications cochées en une seule étape d&apos;annulation</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Tick</source>
        <extracomment>Context menu: tick the check box of the change (choose it to be applied)</extracomment>
        <translation>Cocher</translation>
    </message>
    <message>
        <source>Untick</source>
        <translation>Décocher</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>%1, %2, %L3 selected; %L4 of %L5 rows shown</source>
        <extracomment>%1: &quot;40 changes&quot;; %2: &quot;1 conflict&quot;; %3: how many changes are ticked; %4 of %5: the rows the find shows of all rows</extracomment>
        <translation>%1, %2, %L3 sélectionnées&#xa0;; %L4 lignes affichées sur %L5</translation>
    </message>
    <message>
        <source>%1, %2, %L3 selected</source>
        <extracomment>%1: &quot;40 changes&quot;; %2: &quot;1 conflict&quot;; %3: how many are ticked</extracomment>
        <translation>%1, %2, %L3 sélectionnées</translation>
    </message>
</context>
<context>
    <name>qira::player_names_dialog</name>
    <message>
        <source>&amp;First name</source>
        <translation>&amp;Prénom</translation>
    </message>
    <message>
        <source>&amp;Pseudonym</source>
        <translation>P&amp;seudonyme</translation>
    </message>
    <message>
        <source>&amp;Surname</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>No new player: %1</source>
        <extracomment>%1: why no new player can be made</extracomment>
        <translation>Aucun nouveau joueur&#xa0;: %1</translation>
    </message>
    <message>
        <source>New player</source>
        <translation>Nouveau joueur</translation>
    </message>
</context>
<context>
    <name>qira::player_page</name>
    <message>
        <source>Name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Pseudonym</source>
        <translation>Pseudonyme</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Preferred position</source>
        <translation>Poste préféré</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Hair color</source>
        <translation>Couleur des cheveux</translation>
    </message>
    <message>
        <source>Boots color</source>
        <translation>Couleur des crampons</translation>
    </message>
    <message>
        <source>Star Player</source>
        <translation>Joueur vedette</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Endurance</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passes</translation>
    </message>
    <message>
        <source>Tackling</source>
        <translation>Tacles</translation>
    </message>
    <message>
        <source>Ball Control</source>
        <translation>Contrôle de balle</translation>
    </message>
    <message>
        <source>Shot Accuraty</source>
        <translation>Précision de tir</translation>
    </message>
    <message>
        <source>Talent</source>
        <translation>Talent</translation>
    </message>
    <message>
        <source>Player ID:</source>
        <translation>ID joueur&#xa0;:</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Edit Team</source>
        <translation>&lt;&lt;&lt; Modifier l&apos;équipe</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>New player...</source>
        <translation>Nouveau joueur...</translation>
    </message>
    <message>
        <source>A copy of this player with the next free id and new names</source>
        <translation>Une copie de ce joueur avec le prochain ID libre et de nouveaux noms</translation>
    </message>
    <message>
        <source>Delete player</source>
        <translation>Supprimer le joueur</translation>
    </message>
    <message>
        <source>This player&apos;s row and his memberships of teams</source>
        <translation>La ligne de ce joueur et ses appartenances à des équipes</translation>
    </message>
    <message>
        <source>Player status</source>
        <translation>État du joueur</translation>
    </message>
    <message>
        <source>Player ID</source>
        <translation>ID du joueur</translation>
    </message>
    <message>
        <source>*Hair color may not match when special face is used for player</source>
        <translation>*La couleur des cheveux peut différer si le joueur a un visage spécial</translation>
    </message>
    <message>
        <source>Apply player %1</source>
        <translation>Appliquer le joueur %1</translation>
    </message>
    <message>
        <source>Show the player to copy first.</source>
        <translation>Affichez d&apos;abord le joueur à copier.</translation>
    </message>
    <message>
        <source>new player %1</source>
        <translation>nouveau joueur %1</translation>
    </message>
    <message>
        <source>New player %1 (id %2) in %3.</source>
        <extracomment>%1: the player&apos;s name; %2: his id; %3: the team</extracomment>
        <translation>Nouveau joueur %1 (ID %2) dans %3.</translation>
    </message>
    <message>
        <source>New player %1 (id %2), without a team.</source>
        <translation>Nouveau joueur %1 (ID %2), sans équipe.</translation>
    </message>
    <message>
        <source>Show the player to delete first.</source>
        <translation>Affichez d&apos;abord le joueur à supprimer.</translation>
    </message>
    <message>
        <source>delete player %1</source>
        <translation>supprimer le joueur %1</translation>
    </message>
    <message>
        <source>Deleted %1 and his membership of a team.</source>
        <translation>%1 supprimé, ainsi que son appartenance à une équipe.</translation>
    </message>
    <message numerus="yes">
        <source>Deleted %1 and his %Ln memberships of teams.</source>
        <translation>
            <numerusform>%1 supprimé, ainsi que %Ln appartenance à une équipe.</numerusform>
            <numerusform>%1 supprimé, ainsi que ses %Ln appartenances à des équipes.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was not deleted: %2</source>
        <extracomment>%1: the player; %2: why not</extracomment>
        <translation>%1 n&apos;a pas été supprimé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>qira::problem</name>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>its old content could not be kept while the files are replaced (%1)</source>
        <translation>son ancien contenu n&apos;a pas pu être conservé pendant le remplacement des fichiers (%1)</translation>
    </message>
    <message>
        <source>the new file is in place, but its folder could not be synced to the disk (%1)</source>
        <translation>le nouveau fichier est en place, mais son dossier n&apos;a pas pu être synchronisé sur le disque (%1)</translation>
    </message>
    <message>
        <source>the new files are in place, but its folder could not be synced to the disk (%1)</source>
        <translation>les nouveaux fichiers sont en place, mais son dossier n&apos;a pas pu être synchronisé sur le disque (%1)</translation>
    </message>
    <message>
        <source>%1. %2 had already been replaced and was put back</source>
        <translation>%1. %2 avait déjà été remplacé et a été restauré</translation>
    </message>
    <message>
        <source>%1. %2 had already been replaced and were put back</source>
        <translation>%1. %2 avaient déjà été remplacés et ont été restaurés</translation>
    </message>
    <message>
        <source>Putting back %1 failed too (%2).</source>
        <translation>La restauration de %1 a également échoué (%2).</translation>
    </message>
    <message>
        <source>The files do not belong together now:</source>
        <translation>Les fichiers ne correspondent plus entre eux&#xa0;:</translation>
    </message>
    <message>
        <source>%1 is the old file</source>
        <translation>%1 est l&apos;ancien fichier</translation>
    </message>
    <message>
        <source>%1 is the new file, and the old one is kept as %2</source>
        <translation>%1 est le nouveau fichier, et l&apos;ancien est conservé sous %2</translation>
    </message>
    <message>
        <source>%1 is the new file (there was none before)</source>
        <translation>%1 est le nouveau fichier (il n&apos;y en avait pas avant)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>it could not be read to its end</source>
        <translation>il n&apos;a pas pu être lu jusqu&apos;au bout</translation>
    </message>
    <message>
        <source>%1. Nothing was saved: %2 are as they were.</source>
        <extracomment>%1 is why the save failed, %2 the files</extracomment>
        <translation>%1. Rien n&apos;a été enregistré&#xa0;: %2 sont inchangés.</translation>
    </message>
    <message>
        <source>%1 is named for two of the files to save (%2): one would be written over the other.</source>
        <translation>Le nom %1 désigne deux des fichiers à enregistrer (%2)&#xa0;: l&apos;un écraserait l&apos;autre.</translation>
    </message>
    <message>
        <source>no such file or no access</source>
        <translation>fichier inexistant ou accès refusé</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>a list of names: %1 is one name or several separated by commas, %2 the last one</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>the file (%1) is too short for a language file&apos;s header</source>
        <translation>le fichier (%1) est trop court pour l&apos;en-tête d&apos;un fichier de langue</translation>
    </message>
    <message>
        <source>it holds %1 entries; at most %2 are allowed</source>
        <translation>il contient %1 entrées&#xa0;; %2 au maximum sont autorisées</translation>
    </message>
    <message>
        <source>its directory of %1 entries runs past the end of the file (%2)</source>
        <translation>son répertoire de %1 entrées dépasse la fin du fichier (%2)</translation>
    </message>
    <message>
        <source>the text of entry %1 (key %2, offset %3) runs past the end of the file (%4)</source>
        <translation>le texte de l&apos;entrée %1 (clé %2, décalage %3) dépasse la fin du fichier (%4)</translation>
    </message>
    <message>
        <source>it would hold %1 entries; a language file holds at most %2</source>
        <translation>il contiendrait %1 entrées&#xa0;; un fichier de langue en contient au plus %2</translation>
    </message>
    <message>
        <source>its texts exceed 2 GiB</source>
        <translation>ses textes dépassent 2&#xa0;Gio</translation>
    </message>
    <message>
        <source>the file (%1) is too short for its header</source>
        <translation>le fichier (%1) est trop court pour son en-tête</translation>
    </message>
    <message>
        <source>it says it holds %1 tables; a database file holds 1 to %2</source>
        <translation>il indique contenir %1 tables&#xa0;; un fichier de base de données en contient de 1 à %2</translation>
    </message>
    <message>
        <source>the header of table %1 (offset %2) runs past the end of the file (%3)</source>
        <translation>l&apos;en-tête de la table %1 (décalage %2) dépasse la fin du fichier (%3)</translation>
    </message>
    <message>
        <source>table %1 has %2 %3 fields; a table has 0 to %4</source>
        <extracomment>%3 is the kind of field (key, extra, text)</extracomment>
        <translation>la table %1 a %2 champs de type %3&#xa0;; une table en a de 0 à %4</translation>
    </message>
    <message>
        <source>table %1 has %2 whole-word and %3 %4 fields; a table has at most %5 fields</source>
        <translation>la table %1 a %2 champs à mot entier et %3 champs de type %4&#xa0;; une table a au plus %5 champs</translation>
    </message>
    <message>
        <source>the field descriptors of table %1 (offset %2, %3 bytes) run past the end of the file (%4)</source>
        <translation>les descripteurs de champ de la table %1 (décalage %2, %3 octets) dépassent la fin du fichier (%4)</translation>
    </message>
    <message>
        <source>table %1&apos;s block (offset %2, %3 bytes) ends before the next table&apos;s block begins; a block holds at least its 8-byte head</source>
        <translation>le bloc de la table %1 (décalage %2, %3 octets) se termine avant le début du bloc de la table suivante&#xa0;; un bloc contient au moins son en-tête de 8 octets</translation>
    </message>
    <message>
        <source>table %1&apos;s block (offset %2, %3 bytes) ends before the names region begins; a block holds at least its 8-byte head</source>
        <translation>le bloc de la table %1 (décalage %2, %3 octets) se termine avant le début de la zone des noms&#xa0;; un bloc contient au moins son en-tête de 8 octets</translation>
    </message>
    <message>
        <source>table %1&apos;s block (offset %2, %3 bytes) runs past the end of the file (%4)</source>
        <translation>le bloc de la table %1 (décalage %2, %3 octets) dépasse la fin du fichier (%4)</translation>
    </message>
    <message>
        <source>table %1 has %2 rows; a table holds at most %3</source>
        <translation>la table %1 a %2 lignes&#xa0;; une table en contient au plus %3</translation>
    </message>
    <message>
        <source>table %1 has %2 rows of %3 words; a table holds at most %4 row words</source>
        <translation>la table %1 a %2 lignes de %3 mots&#xa0;; une table contient au plus %4 mots de ligne</translation>
    </message>
    <message>
        <source>table %1&apos;s rows have %2 words, fewer than its %3 whole-word fields</source>
        <translation>les lignes de la table %1 ont %2 mots, moins que ses %3 champs à mot entier</translation>
    </message>
    <message>
        <source>the name of table %1 (offset %2) runs past the end of the file (%3)</source>
        <translation>le nom de la table %1 (décalage %2) dépasse la fin du fichier (%3)</translation>
    </message>
    <message>
        <source>the name of field %1 of table %2 (offset %3) runs past the end of the file (%4)</source>
        <translation>le nom du champ %1 de la table %2 (décalage %3) dépasse la fin du fichier (%4)</translation>
    </message>
    <message>
        <source>text %1 of row %2 in table %3 (offset %4) runs past the end of the file (%5 bytes)</source>
        <translation>le texte %1 de la ligne %2 de la table %3 (décalage %4) dépasse la fin du fichier (%5 octets)</translation>
    </message>
    <message>
        <source>its directory of %1 blocks runs past the end of the file (%2)</source>
        <translation>son répertoire de %1 blocs dépasse la fin du fichier (%2)</translation>
    </message>
    <message>
        <source>it has %1 tables; a database file holds 1 to %2</source>
        <translation>il contient %1 tables&#xa0;; un fichier de base de données en contient de 1 à %2</translation>
    </message>
    <message>
        <source>table %1 has %2 fields of one whole-word kind; at most %3 are allowed</source>
        <translation>la table %1 a %2 champs d&apos;un même type à mot entier&#xa0;; %3 au maximum sont autorisés</translation>
    </message>
    <message>
        <source>table %1 has %2 field descriptors for %3 fields (at most %4)</source>
        <translation>la table %1 a %2 descripteurs de champ pour %3 champs (au plus %4)</translation>
    </message>
    <message>
        <source>table %1 has %2 row words; a table holds at most %3</source>
        <translation>la table %1 a %2 mots de ligne&#xa0;; une table en contient au plus %3</translation>
    </message>
    <message>
        <source>the file would exceed 2 GiB</source>
        <translation>le fichier dépasserait 2&#xa0;Gio</translation>
    </message>
    <message>
        <source>leagues</source>
        <translation>ligues</translation>
    </message>
    <message>
        <source>league teams</source>
        <translation>équipes de ligue</translation>
    </message>
    <message>
        <source>players</source>
        <translation>joueurs</translation>
    </message>
    <message>
        <source>stadiums</source>
        <translation>stades</translation>
    </message>
    <message>
        <source>team settings</source>
        <translation>paramètres d&apos;équipe</translation>
    </message>
    <message>
        <source>team players</source>
        <translation>joueurs d&apos;équipe</translation>
    </message>
    <message>
        <source>teams</source>
        <translation>équipes</translation>
    </message>
    <message>
        <source>table %1 (%2) is missing</source>
        <translation>la table %1 (%2) est absente</translation>
    </message>
    <message>
        <source>table %1 (%2) has %3 key fields, not %4</source>
        <translation>la table %1 (%2) a %3 champs clés, et non %4</translation>
    </message>
    <message>
        <source>table %1 (%2) has %3 texts per row, not %4</source>
        <translation>la table %1 (%2) a %3 textes par ligne, et non %4</translation>
    </message>
    <message>
        <source>table %1 (%2) has %3 packed values per row, not %4</source>
        <translation>la table %1 (%2) a %3 valeurs compactées par ligne, et non %4</translation>
    </message>
    <message>
        <source>table %1 (%2) has no field &quot;%3&quot;</source>
        <translation>la table %1 (%2) n&apos;a pas de champ «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>the member &quot;%1&quot; is missing</source>
        <translation>le membre &quot;%1&quot; est absent</translation>
    </message>
    <message>
        <source>expected null</source>
        <translation>null attendu</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>true ou false attendu</translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation>nombre entier attendu</translation>
    </message>
    <message>
        <source>expected a number</source>
        <translation>nombre attendu</translation>
    </message>
    <message>
        <source>expected a text</source>
        <translation>texte attendu</translation>
    </message>
    <message>
        <source>expected an array</source>
        <translation>tableau attendu</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>objet attendu</translation>
    </message>
    <message>
        <source>%1 is out of range (%2 to %3)</source>
        <translation>%1 est hors limites (%2 à %3)</translation>
    </message>
    <message>
        <source>the document is not valid UTF-8</source>
        <translation>le document n&apos;est pas de l&apos;UTF-8 valide</translation>
    </message>
    <message>
        <source>the document ends where a value should be</source>
        <translation>le document se termine là où une valeur est attendue</translation>
    </message>
    <message>
        <source>nested deeper than a patch is</source>
        <translation>imbrication plus profonde que celle d&apos;un patch</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;}&apos;</source>
        <translation>&apos;,&apos; ou &apos;}&apos; attendu</translation>
    </message>
    <message>
        <source>expected a member name in quotes</source>
        <translation>nom de membre entre guillemets attendu</translation>
    </message>
    <message>
        <source>an object with more members than a patch has</source>
        <translation>objet avec plus de membres qu&apos;un patch n&apos;en a</translation>
    </message>
    <message>
        <source>the member &quot;%1&quot; appears twice</source>
        <translation>le membre &quot;%1&quot; apparaît deux fois</translation>
    </message>
    <message>
        <source>expected &apos;:&apos;</source>
        <translation>&apos;:&apos; attendu</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;]&apos;</source>
        <translation>&apos;,&apos; ou &apos;]&apos; attendu</translation>
    </message>
    <message>
        <source>a \u escape needs four hex digits</source>
        <translation>une séquence d&apos;échappement \u demande quatre chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>a text runs to the end of the document</source>
        <translation>un texte se poursuit jusqu&apos;à la fin du document</translation>
    </message>
    <message>
        <source>an unknown escape in a text</source>
        <translation>séquence d&apos;échappement inconnue dans un texte</translation>
    </message>
    <message>
        <source>a high surrogate escape without its low half</source>
        <translation>demi-codet haut échappé sans son demi-codet bas</translation>
    </message>
    <message>
        <source>a lone low surrogate escape other than \udc80 to \udcff</source>
        <translation>demi-codet bas échappé isolé, hors de \udc80 à \udcff</translation>
    </message>
    <message>
        <source>a control character inside a text must be escaped</source>
        <translation>un caractère de contrôle dans un texte doit être échappé</translation>
    </message>
    <message>
        <source>not a JSON value</source>
        <translation>ce n&apos;est pas une valeur JSON</translation>
    </message>
    <message>
        <source>a number with a leading zero</source>
        <translation>nombre commençant par un zéro</translation>
    </message>
    <message>
        <source>a number without digits after its point</source>
        <translation>nombre sans chiffre après le point décimal</translation>
    </message>
    <message>
        <source>a number without digits in its exponent</source>
        <translation>nombre sans chiffre dans l&apos;exposant</translation>
    </message>
    <message>
        <source>unexpected text after the document</source>
        <translation>texte inattendu après le document</translation>
    </message>
    <message>
        <source>expected an object or null</source>
        <translation>objet ou null attendu</translation>
    </message>
    <message>
        <source>more entries than a language file has</source>
        <translation>plus d&apos;entrées qu&apos;un fichier de langue n&apos;en contient</translation>
    </message>
    <message>
        <source>%1 is not &quot;%2&quot;</source>
        <translation>%1 n&apos;est pas &quot;%2&quot;</translation>
    </message>
    <message>
        <source>version %1 is not known; this program reads version %2</source>
        <translation>version %1 inconnue&#xa0;; ce programme lit la version %2</translation>
    </message>
    <message>
        <source>expected %1 field names (as many as the kinds count, at most %2)</source>
        <translation>%1 noms de champs attendus (autant que le total de &quot;kinds&quot;, %2 au plus)</translation>
    </message>
    <message>
        <source>more rows than a table has</source>
        <translation>plus de lignes qu&apos;une table n&apos;en contient</translation>
    </message>
    <message>
        <source>more fields than a table has</source>
        <translation>plus de champs qu&apos;une table n&apos;en contient</translation>
    </message>
    <message>
        <source>more tables than a game has</source>
        <translation>plus de tables qu&apos;un jeu n&apos;en contient</translation>
    </message>
    <message>
        <source>the document cannot be read</source>
        <translation>le document ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1 does not fit in 32 bits</source>
        <translation>%1 ne tient pas sur 32 bits</translation>
    </message>
    <message>
        <source>expected %1 keys</source>
        <translation>%1 clés attendues</translation>
    </message>
    <message>
        <source>more than %1 words</source>
        <translation>plus de %1 mots</translation>
    </message>
    <message>
        <source>expected %1 extras</source>
        <translation>%1 champs extra attendus</translation>
    </message>
    <message>
        <source>expected %1 texts</source>
        <translation>%1 textes attendus</translation>
    </message>
    <message>
        <source>expected %1 values</source>
        <translation>%1 valeurs attendues</translation>
    </message>
    <message>
        <source>field %1 is not named %2</source>
        <translation>le champ %1 ne s&apos;appelle pas %2</translation>
    </message>
    <message>
        <source>the table has no field %1</source>
        <translation>la table n&apos;a pas de champ %1</translation>
    </message>
    <message>
        <source>the table has more than one field %1: give its field_index</source>
        <translation>la table a plusieurs champs %1&#xa0;: indiquez son field_index</translation>
    </message>
    <message>
        <source>%1 is a key field: a changed key is a row removed and one added</source>
        <translation>%1 est un champ clé&#xa0;: changer une clé revient à supprimer une ligne et à en ajouter une</translation>
    </message>
    <message>
        <source>&quot;before&quot; and &quot;after&quot; are both needed</source>
        <translation>&quot;before&quot; et &quot;after&quot; sont tous deux requis</translation>
    </message>
    <message>
        <source>more changes than fields</source>
        <translation>plus de modifications que de champs</translation>
    </message>
    <message>
        <source>expected as many words before as after</source>
        <translation>il faut autant de mots avant qu&apos;après</translation>
    </message>
    <message>
        <source>names no file</source>
        <translation>ne désigne aucun fichier</translation>
    </message>
</context>
<context>
    <name>qira::recovery_commands</name>
    <message>
        <source>Put aside</source>
        <extracomment>A choice of the question about the changes kept when the editor did not close normally</extracomment>
        <translation>Mettre de côté</translation>
    </message>
    <message>
        <source>Decide at the next start</source>
        <extracomment>A choice of the question about the changes kept when the editor did not close normally</extracomment>
        <translation>Décider au prochain démarrage</translation>
    </message>
    <message>
        <source>its lock cannot be taken</source>
        <extracomment>Why the file that keeps the unsaved changes cannot be written</extracomment>
        <translation>son verrou ne peut pas être pris</translation>
    </message>
    <message>
        <source>%1 could not be renamed; it stays for the next start.</source>
        <extracomment>%1: the file that keeps the changes</extracomment>
        <translation>%1 n&apos;a pas pu être renommé&#xa0;; il reste pour le prochain démarrage.</translation>
    </message>
    <message>
        <source>The kept changes were put aside as %1. &quot;Apply patch...&quot; can apply them to the game.</source>
        <extracomment>%1: the file the changes were put aside as</extracomment>
        <translation>Les modifications conservées ont été mises de côté dans %1. «&#xa0;Appliquer un patch...&#xa0;» peut les appliquer au jeu.</translation>
    </message>
    <message>
        <source>%1 has changed on disk since (or cannot be read): changes that no longer apply show as conflicts.</source>
        <extracomment>%1: a game file</extracomment>
        <translation>%1 a changé sur le disque depuis (ou ne peut pas être lu)&#xa0;: les modifications qui ne s&apos;appliquent plus apparaissent comme des conflits.</translation>
    </message>
    <message>
        <source>The editor did not close normally. It kept 1 unsaved change to
%1

%2Open these files and apply the changes (one step of Undo), or put them aside?</source>
        <extracomment>%1: the game&apos;s files, one a line; %2: empty, or a paragraph about files changed on disk since (it ends in an empty line)</extracomment>
        <translation>L&apos;éditeur ne s&apos;est pas fermé normalement. Il a conservé 1 modification non enregistrée de&#xa0;:
%1

%2Ouvrir ces fichiers et appliquer la modification (une seule étape d&apos;annulation), ou la mettre de côté&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>The editor did not close normally. It kept %Ln unsaved changes to
%1

%2Open these files and apply the changes (one step of Undo), or put them aside?</source>
        <extracomment>%Ln: how many changes (two or more); %1: the game&apos;s files, one a line; %2: empty, or a paragraph about files changed on disk since (it ends in an empty line)</extracomment>
        <translation>
            <numerusform>L&apos;éditeur ne s&apos;est pas fermé normalement. Il a conservé %Ln modification non enregistrée de&#xa0;:
%1

%2Ouvrir ces fichiers et appliquer la modification (une seule étape d&apos;annulation), ou la mettre de côté&#xa0;?</numerusform>
            <numerusform>L&apos;éditeur ne s&apos;est pas fermé normalement. Il a conservé %Ln modifications non enregistrées de&#xa0;:
%1

%2Ouvrir ces fichiers et appliquer les modifications (une seule étape d&apos;annulation), ou les mettre de côté&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Open and apply</source>
        <translation>Ouvrir et appliquer</translation>
    </message>
    <message>
        <source>These changes were kept by the editor when it did not close normally (%1), made to the files as they were opened or saved then.</source>
        <extracomment>%1: the file that kept the changes</extracomment>
        <translation>Ces modifications ont été conservées par l&apos;éditeur quand il ne s&apos;est pas fermé normalement (%1), faites sur les fichiers tels qu&apos;ils étaient alors ouverts ou enregistrés.</translation>
    </message>
    <message>
        <source>The kept changes stay in %1 for the next start.</source>
        <extracomment>%1: the file that keeps the changes</extracomment>
        <translation>Les modifications conservées restent dans %1 pour le prochain démarrage.</translation>
    </message>
    <message>
        <source>The kept changes were put aside as %1.</source>
        <extracomment>%1: the file the changes were put aside as</extracomment>
        <translation>Les modifications conservées ont été mises de côté dans %1.</translation>
    </message>
    <message>
        <source>The unsaved changes cannot be kept for recovery: %1</source>
        <extracomment>%1: why not</extracomment>
        <translation>Les modifications non enregistrées ne peuvent pas être conservées pour la récupération&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>qira::reference_delegate</name>
    <message>
        <source>Row %1, %2: not changed: %3</source>
        <extracomment>%1: the row&apos;s number; %2: the column; %3: why the typed text names no row</extracomment>
        <translation>Ligne %1, %2&#xa0;: inchangée&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>qira::reference_picker</name>
    <message>
        <source>Row named: type a name or a number</source>
        <translation>Ligne nommée&#xa0;: tapez un nom ou un numéro</translation>
    </message>
    <message>
        <source>Rows the field may name</source>
        <translation>Lignes que le champ peut désigner</translation>
    </message>
    <message>
        <source>no row is called &apos;%1&apos;; type its name or a number</source>
        <translation>aucune ligne ne s&apos;appelle «&#xa0;%1&#xa0;»&#xa0;; tapez son nom ou un numéro</translation>
    </message>
    <message numerus="yes">
        <source>&apos;%1&apos; names %Ln rows; choose one from the list</source>
        <translation>
            <numerusform>«&#xa0;%1&#xa0;» désigne %Ln ligne&#xa0;; choisissez-en une dans la liste</numerusform>
            <numerusform>«&#xa0;%1&#xa0;» désigne %Ln lignes&#xa0;; choisissez-en une dans la liste</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::registry_key</name>
    <message>
        <source>the value &quot;%1&quot; could not be stored</source>
        <extracomment>Why a setting was not saved; %1: the setting&apos;s name as the registry keeps it</extracomment>
        <translation>la valeur «&#xa0;%1&#xa0;» n&apos;a pas pu être enregistrée</translation>
    </message>
</context>
<context>
    <name>qira::result</name>
    <message>
        <source>%1 field %2: %3</source>
        <translation>%1, champ %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is what the problem is about (a row, a member of a document), %2 the problem</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>table %1 row %2 field %3: %4</source>
        <translation>table %1, ligne %2, champ %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>table %1 row %2: %3</source>
        <translation>table %1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>table %1 field %2: %3</source>
        <translation>table %1, champ %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>table %1: %2</source>
        <translation>table %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a valid patch: not valid JSON: line %2 column %3: %4</source>
        <translation>%1 n&apos;est pas un patch valide&#xa0;: JSON non valide&#xa0;: ligne %2, colonne %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>%1 is not a valid patch: %2: %3</source>
        <translation>%1 n&apos;est pas un patch valide&#xa0;: %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 is not a valid patch: %2</source>
        <translation>%1 n&apos;est pas un patch valide&#xa0;: %2</translation>
    </message>
    <message>
        <source>not valid JSON: line %1 column %2: %3</source>
        <translation>JSON non valide&#xa0;: ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is a file, %2 why it could not be opened</extracomment>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 est endommagé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be edited: %2</source>
        <translation>Impossible de modifier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>line %1 column %2: %3</source>
        <translation>ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>%1 is a file, %2 why it could not be saved</extracomment>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 was not imported: %2; nothing was changed.</source>
        <translation>%1 n&apos;a pas été importé&#xa0;: %2&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>qira::roster_page</name>
    <message>
        <source>Jersey number</source>
        <translation>Numéro de maillot</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>The player &quot;%1&quot; could not be found; nothing was exchanged.</source>
        <translation>Le joueur «&#xa0;%1&#xa0;» est introuvable&#xa0;; rien n&apos;a été échangé.</translation>
    </message>
    <message>
        <source>Team players</source>
        <translation>Effectif</translation>
    </message>
    <message>
        <source>&lt;-- Xchange --&gt;</source>
        <translation>&lt;-- Échanger --&gt;</translation>
    </message>
    <message>
        <source>Exchange with</source>
        <translation>Échanger avec</translation>
    </message>
    <message>
        <source>Find in exchange tree</source>
        <translation>Rechercher dans l&apos;arbre d&apos;échange</translation>
    </message>
    <message>
        <source>Sign</source>
        <extracomment>Button: the chosen player joins this team (signs a contract)</extracomment>
        <translation>Recruter</translation>
    </message>
    <message>
        <source>Move the player chosen in the exchange tree into this team</source>
        <translation>Faire entrer dans cette équipe le joueur choisi dans l&apos;arbre d&apos;échange</translation>
    </message>
    <message>
        <source>Release</source>
        <extracomment>Button: the player leaves this team</extracomment>
        <translation>Libérer</translation>
    </message>
    <message>
        <source>Move the selected player into the team chosen in the exchange tree, or out of any team</source>
        <translation>Envoyer le joueur sélectionné dans l&apos;équipe choisie dans l&apos;arbre d&apos;échange, ou le retirer de toute équipe</translation>
    </message>
    <message>
        <source>Sign free player...</source>
        <translation>Joueur libre...</translation>
    </message>
    <message>
        <source>Choose a player without a team to join this team</source>
        <translation>Choisir un joueur sans équipe qui rejoindra cette équipe</translation>
    </message>
    <message>
        <source>New player...</source>
        <translation>Nouveau joueur...</translation>
    </message>
    <message>
        <source>A copy of the selected player with new names, in this team</source>
        <translation>Une copie du joueur sélectionné avec de nouveaux noms, dans cette équipe</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Edit team</source>
        <translation>&lt;&lt;&lt; Modifier l&apos;équipe</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>&lt;-- double click on player for quick edit</source>
        <translation>&lt;-- double-clic sur un joueur pour le modifier</translation>
    </message>
    <message>
        <source>Invalid index</source>
        <translation>Index invalide</translation>
    </message>
    <message>
        <source>exchange %1 and %2</source>
        <translation>échanger %1 et %2</translation>
    </message>
    <message>
        <source>No team is shown.</source>
        <translation>Aucune équipe n&apos;est affichée.</translation>
    </message>
    <message>
        <source>Choose the player to sign in the exchange tree.</source>
        <translation>Choisissez dans l&apos;arbre d&apos;échange le joueur à recruter.</translation>
    </message>
    <message>
        <source>sign %1</source>
        <translation>recruter %1</translation>
    </message>
    <message>
        <source>%1 was not signed</source>
        <translation>%1 n&apos;a pas été recruté</translation>
    </message>
    <message>
        <source>Choose the player to release in the roster.</source>
        <translation>Choisissez dans l&apos;effectif le joueur à libérer.</translation>
    </message>
    <message>
        <source>release %1 to %2</source>
        <translation>libérer %1 vers %2</translation>
    </message>
    <message>
        <source>release %1</source>
        <translation>libérer %1</translation>
    </message>
    <message>
        <source>%1 was not released</source>
        <translation>%1 n&apos;a pas été libéré</translation>
    </message>
    <message>
        <source>Every player is in a team.</source>
        <translation>Tous les joueurs sont dans une équipe.</translation>
    </message>
    <message>
        <source>Choose the player to copy in the roster.</source>
        <translation>Choisissez dans l&apos;effectif le joueur à copier.</translation>
    </message>
    <message>
        <source>new player %1</source>
        <translation>nouveau joueur %1</translation>
    </message>
    <message>
        <source>No new player</source>
        <translation>Aucun nouveau joueur</translation>
    </message>
</context>
<context>
    <name>qira::table_model</name>
    <message>
        <source>edit %1 %2</source>
        <translation>modifier %1 %2</translation>
    </message>
    <message>
        <source>%1: %2, %3 bits (descriptor words %4 and %5)</source>
        <extracomment>%1: the field; %2: what part of the row it is; %3 to %5: where it is stored</extracomment>
        <translation>%1&#xa0;: %2, %3 bits (mots de descripteur %4 et %5)</translation>
    </message>
    <message>
        <source>%1: %2, %3 bits (descriptor words %4 and %5); names a row of table %6 (%7) by its id</source>
        <extracomment>%1: the field; %2: what part of the row it is; %3 to %5: where it is stored; %6 and %7: the number and the name of the table whose rows it names</extracomment>
        <translation>%1&#xa0;: %2, %3 bits (mots de descripteur %4 et %5)&#xa0;; désigne une ligne de la table %6 (%7) par son ID</translation>
    </message>
    <message>
        <source>%1: %2, a whole word</source>
        <extracomment>%1: the field; %2: what part of the row it is</extracomment>
        <translation>%1&#xa0;: %2, un mot entier</translation>
    </message>
    <message>
        <source>%1: %2, a whole word; names a row of table %3 (%4) by its id</source>
        <extracomment>%1: the field; %2: what part of the row it is; %3 and %4: the number and the name of the table whose rows it names</extracomment>
        <translation>%1&#xa0;: %2, un mot entier&#xa0;; désigne une ligne de la table %3 (%4) par son ID</translation>
    </message>
</context>
<context>
    <name>qira::tables_window</name>
    <message numerus="yes">
        <source>%1  %2  (%Ln rows)</source>
        <extracomment>%1: the table&apos;s number; %2: its name; %n: how many rows it has</extracomment>
        <translation>
            <numerusform>%1  %2  (%Ln ligne)</numerusform>
            <numerusform>%1  %2  (%Ln lignes)</numerusform>
        </translation>
    </message>
    <message>
        <source>All tables - %1</source>
        <extracomment>%1: the program&apos;s name</extracomment>
        <translation>Toutes les tables - %1</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importer un CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Tables</source>
        <translation>Tables</translation>
    </message>
    <message>
        <source>Columns named...</source>
        <translation>Colonnes nommées...</translation>
    </message>
    <message>
        <source>Show only the columns whose name contains</source>
        <translation>N&apos;afficher que les colonnes dont le nom contient</translation>
    </message>
    <message>
        <source>Filter all columns (Ctrl+F)</source>
        <translation>Filtrer toutes les colonnes (Ctrl+F)</translation>
    </message>
    <message>
        <source>Filter over all columns</source>
        <translation>Filtre sur toutes les colonnes</translation>
    </message>
    <message>
        <source>Rows shown</source>
        <translation>Lignes affichées</translation>
    </message>
    <message>
        <source>Rows of the table</source>
        <translation>Lignes de la table</translation>
    </message>
    <message>
        <source>Insert copy</source>
        <translation>Insérer une copie</translation>
    </message>
    <message>
        <source>Insert a copy of each selected row after it</source>
        <translation>Insérer une copie de chaque ligne sélectionnée après celle-ci</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Button: deletes the selected rows</extracomment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete the selected rows</source>
        <translation>Supprimer les lignes sélectionnées</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importer un CSV...</translation>
    </message>
    <message>
        <source>Replace the rows of this table by a CSV file&apos;s</source>
        <translation>Remplacer les lignes de cette table par celles d&apos;un fichier CSV</translation>
    </message>
    <message>
        <source>Fill...</source>
        <translation>Remplir...</translation>
    </message>
    <message>
        <source>Set the selected cells to one value</source>
        <translation>Donner une même valeur aux cellules sélectionnées</translation>
    </message>
    <message>
        <source>Adjust...</source>
        <translation>Ajuster...</translation>
    </message>
    <message>
        <source>Add to or multiply the current column&apos;s values in every row the filters show</source>
        <translation>Ajouter une valeur à celles de la colonne courante, ou les multiplier, dans chaque ligne affichée par les filtres</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Tables status</source>
        <translation>État des tables</translation>
    </message>
    <message>
        <source>Not adjusted: choose a cell of the column to adjust.</source>
        <translation>Non ajusté&#xa0;: choisissez une cellule de la colonne à ajuster.</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Trier par nom</translation>
    </message>
    <message>
        <source>Sort by number</source>
        <translation>Trier par numéro</translation>
    </message>
    <message>
        <source>Sort the current column by the names of the rows it names (again: the other way)</source>
        <translation>Trier la colonne courante selon les noms des lignes qu&apos;elle désigne (à nouveau&#xa0;: dans l&apos;autre sens)</translation>
    </message>
    <message>
        <source>Sort the current column by its values (again: the other way)</source>
        <translation>Trier la colonne courante selon ses valeurs (à nouveau&#xa0;: dans l&apos;autre sens)</translation>
    </message>
    <message>
        <source>Not sorted: choose a cell of the column to sort by.</source>
        <translation>Non trié&#xa0;: choisissez une cellule de la colonne à trier.</translation>
    </message>
    <message>
        <source>%1 names no rows: sorted by its values.</source>
        <extracomment>%1: the column</extracomment>
        <translation>%1 ne désigne aucune ligne&#xa0;: tri selon ses valeurs.</translation>
    </message>
    <message>
        <source>Sorted by %1 (names, ascending).</source>
        <translation>Tri selon %1 (noms, croissant).</translation>
    </message>
    <message>
        <source>Sorted by %1 (names, descending).</source>
        <translation>Tri selon %1 (noms, décroissant).</translation>
    </message>
    <message>
        <source>Sorted by %1 (values, ascending).</source>
        <translation>Tri selon %1 (valeurs, croissant).</translation>
    </message>
    <message>
        <source>Sorted by %1 (values, descending).</source>
        <translation>Tri selon %1 (valeurs, décroissant).</translation>
    </message>
    <message>
        <source>%L1 of %L2 rows</source>
        <extracomment>%1: the rows the filters show; %2: all rows of the table</extracomment>
        <translation>%L1 lignes sur %L2</translation>
    </message>
    <message>
        <source>insert %1 row copies in table %2</source>
        <extracomment>%1: how many rows; %2: the table&apos;s number</extracomment>
        <translation>insérer %1 copies de lignes dans la table %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows inserted.</source>
        <translation>
            <numerusform>%Ln ligne insérée.</numerusform>
            <numerusform>%Ln lignes insérées.</numerusform>
        </translation>
    </message>
    <message>
        <source>delete %1 rows of table %2</source>
        <extracomment>%1: how many rows; %2: the table&apos;s number</extracomment>
        <translation>supprimer %1 lignes de la table %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows deleted.</source>
        <translation>
            <numerusform>%Ln ligne supprimée.</numerusform>
            <numerusform>%Ln lignes supprimées.</numerusform>
        </translation>
    </message>
    <message>
        <source>no table is shown</source>
        <translation>aucune table n&apos;est affichée</translation>
    </message>
    <message>
        <source>Table %1 exported to %2 (%L3 rows).</source>
        <extracomment>%1: the table&apos;s number; %2: the file; %3: how many rows</extracomment>
        <translation>Table %1 exportée vers %2 (%L3 lignes).</translation>
    </message>
    <message>
        <source>import %1 into table %2</source>
        <extracomment>%1: the CSV file; %2: the table&apos;s number</extracomment>
        <translation>importer %1 dans la table %2</translation>
    </message>
    <message>
        <source>%1 Warning: %2</source>
        <extracomment>%1: what the import did; %2: what the user should know about it</extracomment>
        <translation>%1 Avertissement&#xa0;: %2</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>Value for the selected cells:</source>
        <translation>Valeur pour les cellules sélectionnées&#xa0;:</translation>
    </message>
    <message>
        <source>Adjust %1</source>
        <extracomment>%1: the column</extracomment>
        <translation>Ajuster %1</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>How to adjust the values: add the amount to each, or multiply each by it</extracomment>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Multiply by</source>
        <translation>Multiplier par</translation>
    </message>
    <message>
        <source>Adjust by</source>
        <translation>Ajuster par</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>&amp;Adjust</source>
        <translation>&amp;Ajuster</translation>
    </message>
    <message>
        <source>A&amp;mount</source>
        <translation>&amp;Valeur</translation>
    </message>
    <message>
        <source>Every row the filters show; each value held within its field&apos;s range.</source>
        <translation>Chaque ligne affichée par les filtres&#xa0;; chaque valeur reste dans la plage de son champ.</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>%1: the row&apos;s number; %2: the column; %3: the problem</extracomment>
        <translation>ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Not copied: select one rectangle of cells.</source>
        <translation>Non copié&#xa0;: sélectionnez un seul rectangle de cellules.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells copied.</source>
        <translation>
            <numerusform>%Ln cellule copiée.</numerusform>
            <numerusform>%Ln cellules copiées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not pasted: choose the cell to paste from.</source>
        <translation>Non collé&#xa0;: choisissez la cellule où coller.</translation>
    </message>
    <message>
        <source>Not pasted</source>
        <translation>Non collé</translation>
    </message>
    <message>
        <source>paste %1 cells in table %2</source>
        <extracomment>%1: how many cells; %2: the table&apos;s number</extracomment>
        <translation>coller %1 cellules dans la table %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells pasted.</source>
        <translation>
            <numerusform>%Ln cellule collée.</numerusform>
            <numerusform>%Ln cellules collées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not filled</source>
        <translation>Non rempli</translation>
    </message>
    <message>
        <source>fill %1 cells of table %2</source>
        <extracomment>%1: how many cells; %2: the table&apos;s number</extracomment>
        <translation>remplir %1 cellules de la table %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells filled with %1.</source>
        <extracomment>%1: the value typed</extracomment>
        <translation>
            <numerusform>%Ln cellule remplie avec %1.</numerusform>
            <numerusform>%Ln cellules remplies avec %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not adjusted</source>
        <translation>Non ajusté</translation>
    </message>
    <message>
        <source>adjust %1 of %2 rows</source>
        <extracomment>%1: the column; %2: how many rows</extracomment>
        <translation>ajuster %1 sur %2 lignes</translation>
    </message>
    <message numerus="yes">
        <source>%1 adjusted in %Ln rows.</source>
        <extracomment>%1: the column; %n: how many rows</extracomment>
        <translation>
            <numerusform>%1 ajusté dans %Ln ligne.</numerusform>
            <numerusform>%1 ajusté dans %Ln lignes.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 adjusted in %2 rows; %3 held at the end of the field&apos;s range.</source>
        <translation>%1 ajusté dans %2 lignes&#xa0;; %3 maintenues à la limite de la plage du champ.</translation>
    </message>
    <message>
        <source>Not inserted: %1</source>
        <extracomment>%1: why the rows were not inserted</extracomment>
        <translation>Non inséré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not deleted: %1</source>
        <extracomment>%1: why the rows were not deleted</extracomment>
        <translation>Non supprimé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>qira::team_page</name>
    <message>
        <source>Apply roster %1</source>
        <extracomment>Undo step of the roster page&apos;s Apply; %1: the team</extracomment>
        <translation>Appliquer l&apos;effectif %1</translation>
    </message>
    <message>
        <source>Name long</source>
        <translation>Nom long</translation>
    </message>
    <message>
        <source>Name (5)</source>
        <translation>Nom (5)</translation>
    </message>
    <message>
        <source>Name (10)</source>
        <translation>Nom (10)</translation>
    </message>
    <message>
        <source>Team prestige</source>
        <translation>Prestige de l&apos;équipe</translation>
    </message>
    <message>
        <source>Formation</source>
        <translation>Dispositif</translation>
    </message>
    <message>
        <source>Attack style</source>
        <translation>Style d&apos;attaque</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stade</translation>
    </message>
    <message>
        <source>Captain</source>
        <translation>Capitaine</translation>
    </message>
    <message>
        <source>Penaltist</source>
        <translation>Tireur de penalty</translation>
    </message>
    <message>
        <source>Edit team players &gt;&gt;&gt;</source>
        <translation>Modifier l&apos;effectif &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Apply team %1</source>
        <extracomment>Undo step of the team page&apos;s Apply; %1: the team</extracomment>
        <translation>Appliquer l&apos;équipe %1</translation>
    </message>
</context>
<context>
    <name>qira::tree_find</name>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Chercher (Ctrl+F)</translation>
    </message>
    <message>
        <source>Name or part of a name, any case, accents optional; a number or #number finds a player by id. Enter or F3: next, Shift+Enter or Shift+F3: previous, Esc: back to the tree.</source>
        <translation>Nom ou partie d&apos;un nom, sans tenir compte de la casse ni des accents&#xa0;; un numéro ou #numéro trouve un joueur par son ID. Enter ou F3&#xa0;: suivant, Shift+Enter ou Shift+F3&#xa0;: précédent, Esc&#xa0;: retour à l&apos;arbre.</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button that empties the find field</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <extracomment>The clear button&apos;s name for screen readers; %1: the find field&apos;s name (&quot;find in tree&quot;)</extracomment>
        <translation>Effacer %1</translation>
    </message>
    <message>
        <source>Clear the find field</source>
        <translation>Effacer le champ de recherche</translation>
    </message>
    <message>
        <source>%L1 of %L2</source>
        <extracomment>Which match of the find is shown: %1 of %2 matches</extracomment>
        <translation>%L1/%L2</translation>
    </message>
    <message>
        <source>no match</source>
        <translation>aucun résultat</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 résultat</translation>
    </message>
    <message numerus="yes">
        <source>%Ln matches</source>
        <translation>
            <numerusform>%Ln résultat</numerusform>
            <numerusform>%Ln résultats</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::undo_buttons</name>
    <message>
        <source>Undo %1 (%2)</source>
        <extracomment>%1: the step Undo takes back (e.g. &quot;Apply player Ann Lee&quot;); %2: its keys</extracomment>
        <translation>Annuler %1 (%2)</translation>
    </message>
    <message>
        <source>Redo %1 (%2)</source>
        <translation>Rétablir %1 (%2)</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1: the step Undo takes back (e.g. &quot;Apply player Ann Lee&quot;)</extracomment>
        <translation>Annuler %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir %1</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Rien à annuler</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Rien à rétablir</translation>
    </message>
</context>
</TS>
