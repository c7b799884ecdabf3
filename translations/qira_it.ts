<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Window language</source>
        <translation>Lingua della finestra</translation>
    </message>
    <message>
        <source>The language of the editor&apos;s window, from its next start</source>
        <translation>La lingua della finestra dell&apos;editor, dal prossimo avvio</translation>
    </message>
    <message>
        <source>The choice of language could not be stored.</source>
        <translation>Impossibile memorizzare la scelta della lingua.</translation>
    </message>
    <message>
        <source>The window speaks %1.</source>
        <translation>La finestra è in %1.</translation>
    </message>
    <message>
        <source>The window will speak %1 from the editor&apos;s next start.</source>
        <translation>La finestra sarà in %1 dal prossimo avvio dell&apos;editor.</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Apri database</translation>
    </message>
    <message>
        <source>Game folder...</source>
        <translation>Cartella gioco...</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes the open game&apos;s files without leaving the editor</extracomment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Salva modifiche</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Quits the editor</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Save changes as patch...</source>
        <translation>Salva modifiche come patch...</translation>
    </message>
    <message>
        <source>Apply patch...</source>
        <translation>Applica patch...</translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation>Confronta con...</translation>
    </message>
    <message>
        <source>Merge patches...</source>
        <translation>Unisci patch...</translation>
    </message>
    <message>
        <source>Finish Editing...</source>
        <extracomment>Leaves the pages for the start screen, where the game is saved or closed</extracomment>
        <translation>Termina modifica...</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Takes back the last change</extracomment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Makes again the last change taken back</extracomment>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>All tables...</source>
        <translation>Tutte le tabelle...</translation>
    </message>
    <message>
        <source>Check game...</source>
        <translation>Verifica gioco...</translation>
    </message>
    <message>
        <source>QIRA 2004 was not found: choose its folder with &quot;Game folder...&quot;.</source>
        <translation>QIRA 2004 non è stato trovato: scegli la sua cartella con &quot;Cartella gioco...&quot;.</translation>
    </message>
    <message>
        <source>Continue Editing...</source>
        <translation>Continua modifica...</translation>
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
        <translation>Seleziona campionati, squadre e giocatori a sinistra
e modificane i parametri a destra.
Ricorda di premere &apos;Applica&apos; per salvare le modifiche.

Premi &apos;Termina modifica&apos; nell&apos;angolo in alto a sinistra
per tornare alla schermata principale (lì potrai salvare
tutte le modifiche premendo &apos;Salva modifiche&apos;)

Puoi cambiare i nomi di campionati e squadre nel 
gioco, ma in questo programma non cambieranno</translation>
    </message>
    <message>
        <source>Find in tree</source>
        <translation>Cerca nell&apos;albero</translation>
    </message>
    <message>
        <source>Leagues, teams and players</source>
        <translation>Campionati, squadre e giocatori</translation>
    </message>
    <message>
        <source>Every table and field in a grid (Ctrl+T)</source>
        <translation>Tutte le tabelle e i campi in una griglia (Ctrl+T)</translation>
    </message>
    <message>
        <source>References between the tables that point nowhere, and other problems</source>
        <translation>Riferimenti tra le tabelle che non puntano a nulla e altri problemi</translation>
    </message>
    <message>
        <source>An editor for the data files of QIRA 2004.
It changes the leagues, teams and players of an installed game:
titles and names, formations, stadiums, captains, squad numbers
and player attributes, and players can change teams.</source>
        <translation>Un editor per i file di dati di QIRA 2004.
Modifica campionati, squadre e giocatori di un gioco installato:
nomi, moduli, stadi, capitani, numeri di maglia e attributi
dei giocatori; inoltre i giocatori possono cambiare squadra.</translation>
    </message>
    <message>
        <source>This program is not made or supported by the makers of the game.
Keep a copy of the data\cmn folder before you save changes.</source>
        <translation>Questo programma non è realizzato né supportato dagli autori del gioco.
Fai una copia della cartella data\cmn prima di salvare le modifiche.</translation>
    </message>
    <message>
        <source>Choose the game&apos;s folder</source>
        <translation>Scegli la cartella del gioco</translation>
    </message>
    <message>
        <source>Language file</source>
        <translation>File di lingua</translation>
    </message>
    <message>
        <source>Write what you changed since opening as a patch file to share</source>
        <translation>Scrivi le modifiche fatte dall&apos;apertura in un file patch da condividere</translation>
    </message>
    <message>
        <source>Apply a patch file to the open game, as one step that can be undone</source>
        <translation>Applica un file patch al gioco aperto, in un solo passo che si può annullare</translation>
    </message>
    <message>
        <source>Compare the open game with another install&apos;s and take over the differences you tick (Ctrl+Shift+D)</source>
        <translation>Confronta il gioco aperto con un&apos;altra installazione e importa le differenze che spunti (Ctrl+Shift+D)</translation>
    </message>
    <message>
        <source>Compare with another game</source>
        <translation>Confronta con un altro gioco</translation>
    </message>
    <message>
        <source>Merge two patch files made on the open game, choose a side where they disagree and apply (Ctrl+Shift+M)</source>
        <translation>Unisci due file patch creati sul gioco aperto, scegli quale tenere dove non concordano e applica (Ctrl+Shift+M)</translation>
    </message>
    <message>
        <source>Merge two patches</source>
        <translation>Unisci due patch</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>The name screen readers give the start screen&apos;s status line</extracomment>
        <translation>Stato</translation>
    </message>
    <message>
        <source>League</source>
        <extracomment>Tab title of the page of a league</extracomment>
        <translation>Campionato</translation>
    </message>
    <message>
        <source>Team</source>
        <extracomment>Tab title of the page of a team</extracomment>
        <translation>Squadra</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Tab title of the page of a player</extracomment>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>blank</source>
        <extracomment>Tab title of the page that moves players between teams (it has always read &quot;blank&quot;)</extracomment>
        <translation>vuoto</translation>
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
        <translation>l&apos;id campionato %1 è anche l&apos;id di %2</translation>
    </message>
    <message>
        <source>league %1 has no name in the language file</source>
        <translation>il campionato %1 non ha un nome nel file di lingua</translation>
    </message>
    <message>
        <source>player id %1 is also the id of %2</source>
        <translation>l&apos;id giocatore %1 è anche l&apos;id di %2</translation>
    </message>
    <message>
        <source>stadium id %1 is also the id of %2</source>
        <translation>l&apos;id stadio %1 è anche l&apos;id di %2</translation>
    </message>
    <message>
        <source>stadium %1 has no name in the language file</source>
        <translation>lo stadio %1 non ha un nome nel file di lingua</translation>
    </message>
    <message>
        <source>team id %1 is also the id of %2</source>
        <translation>l&apos;id squadra %1 è anche l&apos;id di %2</translation>
    </message>
    <message>
        <source>team %1 has no name in the language file</source>
        <translation>la squadra %1 non ha un nome nel file di lingua</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a row of the game database, %2 what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>player %1 is in team %2 twice (also %3)</source>
        <translation>il giocatore %1 è due volte nella squadra %2 (anche %3)</translation>
    </message>
    <message>
        <source>players %1 and %2 of team %3 both wear number %4 (also %5)</source>
        <translation>i giocatori %1 e %2 della squadra %3 hanno entrambi il numero %4 (anche %5)</translation>
    </message>
    <message>
        <source>team %1 has no row in table 9 (team settings)</source>
        <translation>la squadra %1 non ha una riga nella tabella 9 (impostazioni squadra)</translation>
    </message>
    <message>
        <source>captain %1 of team %2 is not in the team</source>
        <translation>il capitano %1 della squadra %2 non fa parte della squadra</translation>
    </message>
    <message>
        <source>penalty taker %1 of team %2 is not in the team</source>
        <translation>il rigorista %1 della squadra %2 non fa parte della squadra</translation>
    </message>
    <message>
        <source>nation</source>
        <translation>nazione</translation>
    </message>
    <message>
        <source>league</source>
        <translation>campionato</translation>
    </message>
    <message>
        <source>league-team link</source>
        <translation>collegamento campionato-squadra</translation>
    </message>
    <message>
        <source>referee</source>
        <translation>arbitro</translation>
    </message>
    <message>
        <source>player</source>
        <translation>giocatore</translation>
    </message>
    <message>
        <source>kit</source>
        <translation>divisa</translation>
    </message>
    <message>
        <source>cup</source>
        <translation>coppa</translation>
    </message>
    <message>
        <source>stadium</source>
        <translation>stadio</translation>
    </message>
    <message>
        <source>tactic</source>
        <translation>tattica</translation>
    </message>
    <message>
        <source>team settings</source>
        <translation>impostazioni squadra</translation>
    </message>
    <message>
        <source>fixture</source>
        <translation>partita</translation>
    </message>
    <message>
        <source>team-player link</source>
        <translation>collegamento squadra-giocatore</translation>
    </message>
    <message>
        <source>manager</source>
        <translation>allenatore</translation>
    </message>
    <message>
        <source>team</source>
        <translation>squadra</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>impostazione</translation>
    </message>
    <message>
        <source>row of table %1</source>
        <translation>riga della tabella %1</translation>
    </message>
    <message>
        <source>%1 %2 does not exist</source>
        <extracomment>%1 is what a row is (player, team, ...), %2 its id</extracomment>
        <translation>%1 %2 non esiste</translation>
    </message>
    <message>
        <source>%1 %2: its %3 %4 does not exist</source>
        <extracomment>%1 %2: the row holding the reference (what it is, its id); %3 %4: the row it names</extracomment>
        <translation>%1 %2: rimanda a %3 %4, che non esiste</translation>
    </message>
    <message>
        <source>%1 %2: its %3 %4 (%5) does not exist</source>
        <extracomment>as &quot;%1 %2: its %3 %4 does not exist&quot;, %5 the field holding the reference</extracomment>
        <translation>%1 %2: il campo %5 rimanda a %3 %4, che non esiste</translation>
    </message>
</context>
<context>
    <name>qira::check_commands</name>
    <message numerus="yes">
        <source>and %Ln more</source>
        <extracomment>The last line of a list of problems; %Ln: how many more are not listed</extracomment>
        <translation>
            <numerusform>e %Ln altro</numerusform>
            <numerusform>e altri %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>The changes leave a problem the files did not have:

%1

Save anyway?</source>
        <extracomment>%1: the problem, on its own line</extracomment>
        <translation>Le modifiche lasciano un problema che i file non avevano:

%1

Salvare comunque?</translation>
    </message>
    <message numerus="yes">
        <source>The changes leave %Ln problems the files did not have:

%1

Save anyway?</source>
        <extracomment>%Ln: how many problems (two or more); %1: the problems, one a line</extracomment>
        <translation>
            <numerusform>Le modifiche lasciano %Ln problema che i file non avevano:

%1

Salvare comunque?</numerusform>
            <numerusform>Le modifiche lasciano %Ln problemi che i file non avevano:

%1

Salvare comunque?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::check_window</name>
    <message>
        <source>Check game</source>
        <translation>Verifica gioco</translation>
    </message>
    <message>
        <source>Check summary</source>
        <translation>Riepilogo della verifica</translation>
    </message>
    <message>
        <source>Problems of the game</source>
        <translation>Problemi del gioco</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Verifica di nuovo</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <extracomment>%1: the number of problems (&quot;1 problem&quot;, &quot;3 problems&quot;); %2: how many of them are new</extracomment>
        <translation>Nessun problema trovato.</translation>
    </message>
    <message>
        <source>%1, %L2 of them made since the files were opened. Double-click one to show its row.</source>
        <translation>%1, di cui %L2 introdotti dopo l&apos;apertura dei file. Fai doppio clic su un problema per mostrarne la riga.</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 problema</translation>
    </message>
    <message numerus="yes">
        <source>%Ln problems</source>
        <translation>
            <numerusform>%Ln problema</numerusform>
            <numerusform>%Ln problemi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1  (in the files as opened)</source>
        <translation>%1  (nei file com&apos;erano all&apos;apertura)</translation>
    </message>
</context>
<context>
    <name>qira::csv</name>
    <message>
        <source>the database has no table %1</source>
        <translation>il database non ha la tabella %1</translation>
    </message>
    <message>
        <source>%1 problem</source>
        <translation>%1 problema</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 problemi</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un campo tra virgolette non è chiuso</translation>
    </message>
    <message>
        <source>the file is UTF-16 text (big-endian), broken at byte %1: an odd number of bytes or half a character</source>
        <translation>il file è testo UTF-16 (big-endian) non valido al byte %1: un numero dispari di byte o mezzo carattere</translation>
    </message>
    <message>
        <source>the file is UTF-16 text (little-endian), broken at byte %1: an odd number of bytes or half a character</source>
        <translation>il file è testo UTF-16 (little-endian) non valido al byte %1: un numero dispari di byte o mezzo carattere</translation>
    </message>
    <message>
        <source>the file looks like UTF-16 text without a byte-order mark (a NUL in every other byte); save it as CSV UTF-8, or as Unicode text with its byte-order mark</source>
        <translation>il file sembra testo UTF-16 senza BOM (indicatore dell&apos;ordine dei byte), con un NUL ogni due byte; salvalo come CSV UTF-8 o come testo Unicode con il BOM</translation>
    </message>
    <message>
        <source>no field of table %1 has this name</source>
        <translation>nessun campo della tabella %1 ha questo nome</translation>
    </message>
    <message>
        <source>the column is repeated</source>
        <translation>la colonna è ripetuta</translation>
    </message>
    <message>
        <source>the header has %1 columns; table %2 has %3 column</source>
        <translation>l&apos;intestazione ha %1 colonne; la tabella %2 ha %3 colonna</translation>
    </message>
    <message>
        <source>the header has %1 columns; table %2 has %3 columns</source>
        <translation>l&apos;intestazione ha %1 colonne; la tabella %2 ne ha %3</translation>
    </message>
    <message>
        <source>the column is missing</source>
        <translation>manca la colonna</translation>
    </message>
    <message>
        <source>%1 fields, but the header has %2</source>
        <translation>%1 campi, ma l&apos;intestazione ne ha %2</translation>
    </message>
    <message>
        <source>the file is empty; it needs a header of the table&apos;s field names</source>
        <translation>il file è vuoto; serve un&apos;intestazione con i nomi dei campi della tabella</translation>
    </message>
    <message>
        <source>%1 imported into table %2: %3 row</source>
        <translation>%1 importato nella tabella %2: %3 riga</translation>
    </message>
    <message>
        <source>%1 imported into table %2: %3 rows</source>
        <translation>%1 importato nella tabella %2: %3 righe</translation>
    </message>
    <message>
        <source>%1 matched by key</source>
        <translation>abbinate per chiave: %1</translation>
    </message>
    <message>
        <source>%1 placed by position</source>
        <translation>collocate per posizione: %1</translation>
    </message>
    <message>
        <source>%1 new</source>
        <translation>nuove: %1</translation>
    </message>
    <message>
        <source>%1 with a repeated key</source>
        <translation>con chiave ripetuta: %1</translation>
    </message>
    <message>
        <source>%1 text of %2 is not valid UTF-8 and was kept as its bytes; was the file saved in another encoding?</source>
        <translation>%1 testo di %2 non è UTF-8 valido ed è stato conservato come byte grezzi; il file è stato salvato con un&apos;altra codifica?</translation>
    </message>
    <message>
        <source>%1 texts of %2 are not valid UTF-8 and were kept as their bytes; was the file saved in another encoding?</source>
        <translation>%1 testi di %2 non sono UTF-8 validi e sono stati conservati come byte grezzi; il file è stato salvato con un&apos;altra codifica?</translation>
    </message>
    <message>
        <source>the table has no key fields</source>
        <translation>la tabella non ha campi chiave</translation>
    </message>
    <message>
        <source>the table&apos;s keys are not unique</source>
        <translation>le chiavi della tabella non sono univoche</translation>
    </message>
</context>
<context>
    <name>qira::edit</name>
    <message>
        <source>there is no table %1</source>
        <translation>la tabella %1 non esiste</translation>
    </message>
    <message>
        <source>no row is selected</source>
        <translation>nessuna riga selezionata</translation>
    </message>
    <message>
        <source>%1 is not a text</source>
        <translation>%1 non è un testo</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 non è un numero intero</translation>
    </message>
    <message>
        <source>%1 does not fit in %2 bit</source>
        <translation>%1 non rientra in %2 bit</translation>
    </message>
    <message>
        <source>%1 does not fit in %2 bits</source>
        <translation>%1 non rientra in %2 bit</translation>
    </message>
    <message>
        <source>%1 does not fit in 32 bits</source>
        <translation>%1 non rientra in 32 bit</translation>
    </message>
    <message>
        <source>there is no such cell</source>
        <translation>la cella non esiste</translation>
    </message>
    <message>
        <source>table %1 would have %2 rows; a table holds at most %3</source>
        <translation>la tabella %1 avrebbe %2 righe; una tabella ne contiene al massimo %3</translation>
    </message>
    <message>
        <source>table %1 would have %2 row words; a table holds at most %3</source>
        <translation>la tabella %1 avrebbe %2 parole di riga; una tabella ne contiene al massimo %3</translation>
    </message>
    <message>
        <source>%1 value does not fit; nothing was changed</source>
        <translation>%1 valore non rientra nel suo campo; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>%1 values do not fit; nothing was changed</source>
        <translation>%1 valori non rientrano nei loro campi; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>there is no cell to paste into</source>
        <translation>non c&apos;è alcuna cella in cui incollare</translation>
    </message>
    <message>
        <source>there is nothing to paste</source>
        <translation>non c&apos;è niente da incollare</translation>
    </message>
    <message>
        <source>the text runs past the last shown row: it has %1 row, and %2 row is shown from the current cell on; nothing was changed</source>
        <translation>il testo va oltre l&apos;ultima riga mostrata: ha %1 riga, e a partire dalla cella corrente è mostrata %2 riga; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>the text runs past the last shown row: it has %1 row, and %2 rows are shown from the current cell on; nothing was changed</source>
        <translation>il testo va oltre l&apos;ultima riga mostrata: ha %1 riga, e a partire dalla cella corrente sono mostrate %2 righe; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>the text runs past the last shown row: it has %1 rows, and %2 row is shown from the current cell on; nothing was changed</source>
        <translation>il testo va oltre l&apos;ultima riga mostrata: ha %1 righe, e a partire dalla cella corrente è mostrata %2 riga; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>the text runs past the last shown row: it has %1 rows, and %2 rows are shown from the current cell on; nothing was changed</source>
        <translation>il testo va oltre l&apos;ultima riga mostrata: ha %1 righe, e a partire dalla cella corrente sono mostrate %2 righe; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>the text runs past the last shown column: it has %1 column, and %2 column is shown from the current cell on; nothing was changed</source>
        <translation>il testo va oltre l&apos;ultima colonna mostrata: ha %1 colonna, e a partire dalla cella corrente è mostrata %2 colonna; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>the text runs past the last shown column: it has %1 column, and %2 columns are shown from the current cell on; nothing was changed</source>
        <translation>il testo va oltre l&apos;ultima colonna mostrata: ha %1 colonna, e a partire dalla cella corrente sono mostrate %2 colonne; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>the text runs past the last shown column: it has %1 columns, and %2 column is shown from the current cell on; nothing was changed</source>
        <translation>il testo va oltre l&apos;ultima colonna mostrata: ha %1 colonne, e a partire dalla cella corrente è mostrata %2 colonna; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>the text runs past the last shown column: it has %1 columns, and %2 columns are shown from the current cell on; nothing was changed</source>
        <translation>il testo va oltre l&apos;ultima colonna mostrata: ha %1 colonne, e a partire dalla cella corrente sono mostrate %2 colonne; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>there is no cell to fill</source>
        <translation>non c&apos;è alcuna cella da riempire</translation>
    </message>
    <message>
        <source>there is no column to adjust</source>
        <translation>non c&apos;è alcuna colonna da regolare</translation>
    </message>
    <message>
        <source>the amount is not a number</source>
        <translation>la quantità non è un numero</translation>
    </message>
    <message>
        <source>only packed values can be adjusted; %1 is a key</source>
        <translation>si possono regolare solo i valori compattati; %1 è un campo chiave</translation>
    </message>
    <message>
        <source>only packed values can be adjusted; %1 is a extra</source>
        <translation>si possono regolare solo i valori compattati; %1 è un campo extra</translation>
    </message>
    <message>
        <source>only packed values can be adjusted; %1 is a text</source>
        <translation>si possono regolare solo i valori compattati; %1 è un campo di testo</translation>
    </message>
    <message>
        <source>team %1 does not exist</source>
        <translation>la squadra %1 non esiste</translation>
    </message>
    <message>
        <source>player %1 is already in team %2; a team holds a player once</source>
        <translation>il giocatore %1 è già nella squadra %2; una squadra non può avere due volte lo stesso giocatore</translation>
    </message>
    <message>
        <source>team %1 has no free jersey number</source>
        <translation>la squadra %1 non ha numeri di maglia liberi</translation>
    </message>
    <message>
        <source>table 11 (team players) is missing or lacks its fields</source>
        <translation>la tabella 11 (giocatori delle squadre) manca o non ha i campi necessari</translation>
    </message>
    <message>
        <source>no membership row %1</source>
        <translation>la riga di collegamento squadra-giocatore %1 non esiste</translation>
    </message>
    <message>
        <source>no player row %1</source>
        <translation>la riga giocatore %1 non esiste</translation>
    </message>
    <message>
        <source>no player id is left</source>
        <translation>non resta alcun id giocatore libero</translation>
    </message>
</context>
<context>
    <name>qira::file_commands</name>
    <message>
        <source>Can&apos;t open %1 file!
<byte value="xd"/>Make sure QIRA 2004 fully installed</source>
        <extracomment>%1: the language file&apos;s name (eng.db)</extracomment>
        <translation>Impossibile aprire il file %1!
<byte value="xd"/>Assicurati che QIRA 2004 sia installato completamente</translation>
    </message>
    <message>
        <source>Can&apos;t open %1 file.
<byte value="xd"/>Make sure QIRA 2004 fully installed</source>
        <extracomment>%1: the game database&apos;s name (qira.db)</extracomment>
        <translation>Impossibile aprire il file %1.
<byte value="xd"/>Assicurati che QIRA 2004 sia installato completamente</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <extracomment>Title of the message box of a game file that did not load</extracomment>
        <translation>Errore irreversibile</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Title of the message box of a save that failed</extracomment>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Changes saved to %1 and %2.</source>
        <extracomment>%1: the game database&apos;s file name, %2: the language file&apos;s name</extracomment>
        <translation>Modifiche salvate in %1 e %2.</translation>
    </message>
    <message>
        <source>There are changes that have not been saved. Discard them?</source>
        <translation>Ci sono modifiche non salvate. Scartarle?</translation>
    </message>
</context>
<context>
    <name>qira::filter_header</name>
    <message>
        <source>Filter</source>
        <extracomment>Placeholder of the field above a column that filters its rows</extracomment>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Filter of column %1</source>
        <translation>Filtro della colonna %1</translation>
    </message>
    <message>
        <source>Rows whose %1 contains this text, or a comparison: =5, !=5, &gt;10, &lt;=3, 10..20</source>
        <extracomment>%1: the column&apos;s name</extracomment>
        <translation>Righe in cui %1 contiene questo testo, oppure un confronto: =5, !=5, &gt;10, &lt;=3, 10..20</translation>
    </message>
</context>
<context>
    <name>qira::free_player_dialog</name>
    <message>
        <source>Sign free player</source>
        <translation>Ingaggia svincolato</translation>
    </message>
    <message>
        <source>Filter by name or id</source>
        <translation>Filtra per nome o id</translation>
    </message>
    <message>
        <source>Filter of players without a team</source>
        <translation>Filtro dei giocatori senza squadra</translation>
    </message>
    <message>
        <source>Players without a team</source>
        <translation>Giocatori senza squadra</translation>
    </message>
    <message>
        <source>&amp;Players without a team (%L1)</source>
        <translation>&amp;Giocatori senza squadra (%L1)</translation>
    </message>
</context>
<context>
    <name>qira::game_folder</name>
    <message>
        <source>The folder QIRA 2004 is installed in</source>
        <translation>La cartella in cui è installato QIRA 2004</translation>
    </message>
    <message>
        <source>%1 holds no data\cmn\qira.db, so it is not the folder of QIRA 2004.

Choose the folder the game is installed in (the one that holds &quot;data&quot;).</source>
        <extracomment>%1: the folder chosen</extracomment>
        <translation>%1 non contiene data\cmn\qira.db, quindi non è la cartella di QIRA 2004.

Scegli la cartella in cui è installato il gioco (quella che contiene &quot;data&quot;).</translation>
    </message>
    <message>
        <source>The game&apos;s folder is %1.</source>
        <extracomment>%1: the game&apos;s install folder</extracomment>
        <translation>La cartella del gioco è %1.</translation>
    </message>
    <message>
        <source>The game&apos;s folder is %1 for now: it could not be remembered for the next start.</source>
        <extracomment>%1: the game&apos;s install folder</extracomment>
        <translation>Per ora la cartella del gioco è %1: non è stato possibile memorizzarla per il prossimo avvio.</translation>
    </message>
</context>
<context>
    <name>qira::handler_values</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; non è un valore intero valido</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice di lista fuori dai limiti (%1)</translation>
    </message>
</context>
<context>
    <name>qira::item_lists</name>
    <message>
        <source>Primier</source>
        <translation>Massima</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Seconda</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Terza</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altra</translation>
    </message>
    <message>
        <source>Posession</source>
        <translation>Possesso palla</translation>
    </message>
    <message>
        <source>Long ball</source>
        <translation>Palla lunga</translation>
    </message>
    <message>
        <source>Wing play</source>
        <translation>Gioco sulle fasce</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Non impostato</translation>
    </message>
    <message>
        <source>3-5-2 Attacking</source>
        <translation>3-5-2 offensivo</translation>
    </message>
    <message>
        <source>3-5-2 Defensive</source>
        <translation>3-5-2 difensivo</translation>
    </message>
    <message>
        <source>3-5-2 Neutral</source>
        <translation>3-5-2 equilibrato</translation>
    </message>
    <message>
        <source>4-3-3 Neutral</source>
        <translation>4-3-3 equilibrato</translation>
    </message>
    <message>
        <source>4-3-3 Defensive</source>
        <translation>4-3-3 difensivo</translation>
    </message>
    <message>
        <source>4-3-3 Attacking</source>
        <translation>4-3-3 offensivo</translation>
    </message>
    <message>
        <source>4-4-2 Neutral</source>
        <translation>4-4-2 equilibrato</translation>
    </message>
    <message>
        <source>4-4-2 Defensive</source>
        <translation>4-4-2 difensivo</translation>
    </message>
    <message>
        <source>4-4-2 Attacking</source>
        <translation>4-4-2 offensivo</translation>
    </message>
    <message>
        <source>5-3-2 Neutral</source>
        <translation>5-3-2 equilibrato</translation>
    </message>
    <message>
        <source>5-3-2 Defensive</source>
        <translation>5-3-2 difensivo</translation>
    </message>
    <message>
        <source>5-3-2 Attacking</source>
        <translation>5-3-2 offensivo</translation>
    </message>
    <message>
        <source>5-2-3 Neutral</source>
        <translation>5-2-3 equilibrato</translation>
    </message>
    <message>
        <source>5-2-3 Defensive</source>
        <translation>5-2-3 difensivo</translation>
    </message>
    <message>
        <source>5-2-3 Attacking</source>
        <translation>5-2-3 offensivo</translation>
    </message>
    <message>
        <source>4-5-1 Neutral</source>
        <translation>4-5-1 equilibrato</translation>
    </message>
    <message>
        <source>4-1-2-1-2 Neutral</source>
        <translation>4-1-2-1-2 equilibrato</translation>
    </message>
    <message>
        <source>4-2-3-1 Neutral</source>
        <translation>4-2-3-1 equilibrato</translation>
    </message>
    <message>
        <source>4-3-1-2 Neutral</source>
        <translation>4-3-1-2 equilibrato</translation>
    </message>
    <message>
        <source>4-2-4 Neutral</source>
        <translation>4-2-4 equilibrato</translation>
    </message>
    <message>
        <source>4-4-1-1 Neutral</source>
        <translation>4-4-1-1 equilibrato</translation>
    </message>
    <message>
        <source>3-4-1-2 Neutral</source>
        <translation>3-4-1-2 equilibrato</translation>
    </message>
    <message>
        <source>3-6-1 Neutral</source>
        <translation>3-6-1 equilibrato</translation>
    </message>
    <message>
        <source>2-3-5 Neutral</source>
        <translation>2-3-5 equilibrato</translation>
    </message>
    <message>
        <source>5-4-1 Neutral</source>
        <translation>5-4-1 equilibrato</translation>
    </message>
    <message>
        <source>3-6-1 Attacking</source>
        <translation>3-6-1 offensivo</translation>
    </message>
    <message>
        <source>3-6-1 Defensive</source>
        <translation>3-6-1 difensivo</translation>
    </message>
    <message>
        <source>4-4-1-1 Attacking</source>
        <translation>4-4-1-1 offensivo</translation>
    </message>
    <message>
        <source>3-4-3 Attacking</source>
        <translation>3-4-3 offensivo</translation>
    </message>
    <message>
        <source>3-4-3 Defensive</source>
        <translation>3-4-3 difensivo</translation>
    </message>
    <message>
        <source>3-4-3 Neutral</source>
        <translation>3-4-3 equilibrato</translation>
    </message>
    <message>
        <source>2-3-5 Attacking</source>
        <translation>2-3-5 offensivo</translation>
    </message>
    <message>
        <source>2-3-5 Defensive</source>
        <translation>2-3-5 difensivo</translation>
    </message>
    <message>
        <source>3-4-1-2 Attacking</source>
        <translation>3-4-1-2 offensivo</translation>
    </message>
    <message>
        <source>3-4-1-2 Defensive</source>
        <translation>3-4-1-2 difensivo</translation>
    </message>
    <message>
        <source>4-1-2-1-2 Attacking</source>
        <translation>4-1-2-1-2 offensivo</translation>
    </message>
    <message>
        <source>4-1-2-1-2 Defensive</source>
        <translation>4-1-2-1-2 difensivo</translation>
    </message>
    <message>
        <source>4-2-3-1 Attacking</source>
        <translation>4-2-3-1 offensivo</translation>
    </message>
    <message>
        <source>4-2-3-1 Defensive</source>
        <translation>4-2-3-1 difensivo</translation>
    </message>
    <message>
        <source>4-2-4 Attacking</source>
        <translation>4-2-4 offensivo</translation>
    </message>
    <message>
        <source>4-2-4 Defensive</source>
        <translation>4-2-4 difensivo</translation>
    </message>
    <message>
        <source>4-3-1-2 Attacking</source>
        <translation>4-3-1-2 offensivo</translation>
    </message>
    <message>
        <source>4-3-1-2 Defensive</source>
        <translation>4-3-1-2 difensivo</translation>
    </message>
    <message>
        <source>4-4-1-1 Defensive</source>
        <translation>4-4-1-1 difensivo</translation>
    </message>
    <message>
        <source>4-5-1 Attacking</source>
        <translation>4-5-1 offensivo</translation>
    </message>
    <message>
        <source>4-5-1 Defensive</source>
        <translation>4-5-1 difensivo</translation>
    </message>
    <message>
        <source>5-4-1 Attacking</source>
        <translation>5-4-1 offensivo</translation>
    </message>
    <message>
        <source>5-4-1 Defensive</source>
        <translation>5-4-1 difensivo</translation>
    </message>
    <message>
        <source>GK</source>
        <extracomment>Positions on the pitch, abbreviated as on a team sheet (GK goalkeeper, SW sweeper, RB right back, CB centre back, DM/CM/AM defensive/central/attacking midfielder, WM wide midfielder, CF centre forward, ST striker, Sub substitute, Res reserve)</extracomment>
        <translation>POR</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>LIB</translation>
    </message>
    <message>
        <source>RB</source>
        <translation>TD</translation>
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
        <translation>DCS</translation>
    </message>
    <message>
        <source>LB</source>
        <translation>TS</translation>
    </message>
    <message>
        <source>RDM</source>
        <translation>CDD</translation>
    </message>
    <message>
        <source>RCDM</source>
        <translation>CDCD</translation>
    </message>
    <message>
        <source>CDM</source>
        <translation>CDC</translation>
    </message>
    <message>
        <source>LCDM</source>
        <translation>CDCS</translation>
    </message>
    <message>
        <source>LDM</source>
        <translation>CDS</translation>
    </message>
    <message>
        <source>RWM</source>
        <translation>ED</translation>
    </message>
    <message>
        <source>RM</source>
        <translation>CD</translation>
    </message>
    <message>
        <source>RCM</source>
        <translation>CCD</translation>
    </message>
    <message>
        <source>CM</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>CCS</translation>
    </message>
    <message>
        <source>LM</source>
        <translation>CS</translation>
    </message>
    <message>
        <source>LWM</source>
        <translation>ES</translation>
    </message>
    <message>
        <source>RAM</source>
        <translation>COD</translation>
    </message>
    <message>
        <source>RCAM</source>
        <translation>COCD</translation>
    </message>
    <message>
        <source>CAM</source>
        <translation>COC</translation>
    </message>
    <message>
        <source>LCAM</source>
        <translation>COCS</translation>
    </message>
    <message>
        <source>LAM</source>
        <translation>COS</translation>
    </message>
    <message>
        <source>RCF</source>
        <translation>ATD</translation>
    </message>
    <message>
        <source>CF</source>
        <translation>ATT</translation>
    </message>
    <message>
        <source>LCF</source>
        <translation>ATS</translation>
    </message>
    <message>
        <source>RS</source>
        <translation>PD</translation>
    </message>
    <message>
        <source>ST</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>LS</source>
        <translation>PS</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>Res</source>
        <translation>Ris</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Castano</translation>
    </message>
    <message>
        <source>Light Brown</source>
        <translation>Castano chiaro</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Biondo</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
</context>
<context>
    <name>qira::league_page</name>
    <message>
        <source>Long Title</source>
        <translation>Nome lungo</translation>
    </message>
    <message>
        <source>Short Title</source>
        <translation>Nome breve</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Apply league %1</source>
        <translation>Modifiche campionato %1</translation>
    </message>
</context>
<context>
    <name>qira::merge_conflicts_window</name>
    <message>
        <source>left out</source>
        <translation>escluso</translation>
    </message>
    <message>
        <source>bits no field covers</source>
        <extracomment>What a conflict is about: bits of a row that no field of the table covers</extracomment>
        <translation>bit non coperti da alcun campo</translation>
    </message>
    <message>
        <source>the row</source>
        <translation>la riga</translation>
    </message>
    <message>
        <source>the table&apos;s rows</source>
        <translation>le righe della tabella</translation>
    </message>
    <message>
        <source>text</source>
        <extracomment>What a conflict is about: a text of the language file</extracomment>
        <translation>testo</translation>
    </message>
    <message>
        <source>1 place where A (%1) and B (%2) disagree. Choose the side each takes, or leave it out; the merged changes are shown for review next.</source>
        <extracomment>%1 and %2: the names of the two patches merged</extracomment>
        <translation>1 punto in cui A (%1) e B (%2) non concordano. Scegli il lato da tenere, oppure escludilo; poi le modifiche unite verranno mostrate per essere esaminate.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln places where A (%1) and B (%2) disagree. Choose the side each takes, or leave it out; the merged changes are shown for review next.</source>
        <translation>
            <numerusform>%Ln punto in cui A (%1) e B (%2) non concordano. Scegli il lato da tenere, oppure escludilo; poi le modifiche unite verranno mostrate per essere esaminate.</numerusform>
            <numerusform>%Ln punti in cui A (%1) e B (%2) non concordano. Scegli per ognuno il lato da tenere, oppure escludilo; poi le modifiche unite verranno mostrate per essere esaminate.</numerusform>
        </translation>
    </message>
    <message>
        <source>What the conflicts are</source>
        <translation>Descrizione dei conflitti</translation>
    </message>
    <message>
        <source>Conflicts of the two patches</source>
        <translation>Conflitti tra le due patch</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>Column headers: the row, the field, its value before both patches, the value of patch A and of patch B, and the side taken</extracomment>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Scelta</translation>
    </message>
    <message>
        <source>%1 on the selected lines (%2)</source>
        <extracomment>%1: the command (Take A, Take B, Leave out); %2: its keys</extracomment>
        <translation>%1 sulle righe selezionate (%2)</translation>
    </message>
    <message>
        <source>Take A</source>
        <translation>Tieni A</translation>
    </message>
    <message>
        <source>Take B</source>
        <translation>Tieni B</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Escludi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Merge with these choices and review the changes</source>
        <translation>Unisci con queste scelte ed esamina le modifiche</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>qira::message_sink</name>
    <message>
        <source>Fatal Error</source>
        <translation>Errore irreversibile</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>qira::patch</name>
    <message>
        <source>the patch removes it twice</source>
        <translation>la patch la rimuove due volte</translation>
    </message>
    <message>
        <source>the patch lists it twice</source>
        <translation>la patch la elenca due volte</translation>
    </message>
    <message>
        <source>already there, patch adds it</source>
        <translation>già presente, la patch la aggiunge</translation>
    </message>
    <message>
        <source>the database has %1 tables, the patch changes table %2</source>
        <translation>il database ha %1 tabelle, la patch modifica la tabella %2</translation>
    </message>
    <message>
        <source>table %1 is %2, the patch is for %3</source>
        <translation>la tabella %1 si chiama %2, la patch è per %3</translation>
    </message>
    <message>
        <source>table %1 has other fields than the patch&apos;s %2</source>
        <translation>la tabella %1 ha campi diversi da quelli della tabella %2 della patch</translation>
    </message>
    <message>
        <source>table %1 field %2 is %3, the patch&apos;s is %4</source>
        <translation>il campo %2 della tabella %1 si chiama %3, nella patch %4</translation>
    </message>
    <message>
        <source>%1 (removed by the patch) it has %2 values, the patch&apos;s row %3</source>
        <translation>%1 (rimossa dalla patch) ha %2 valori, la riga della patch %3</translation>
    </message>
    <message>
        <source>%1 (removed by the patch) field %2: holds %3, patch expects %4</source>
        <translation>%1 (rimossa dalla patch) campo %2: contiene %3, la patch prevede %4</translation>
    </message>
    <message>
        <source>%1 (removed by the patch) the bits no field covers are not what the patch expects</source>
        <translation>%1 (rimossa dalla patch) i bit non coperti da alcun campo non sono quelli previsti dalla patch</translation>
    </message>
    <message>
        <source>%1 (%2): &quot;stored&quot; holds %3 word, the table&apos;s rows need %4</source>
        <translation>%1 (%2): &quot;stored&quot; contiene %3 parola, le righe della tabella ne richiedono %4</translation>
    </message>
    <message>
        <source>%1 (%2): &quot;stored&quot; holds %3 words, the table&apos;s rows need %4</source>
        <translation>%1 (%2): &quot;stored&quot; contiene %3 parole, le righe della tabella ne richiedono %4</translation>
    </message>
    <message>
        <source>%1 (added by the patch) field %2: %3</source>
        <translation>%1 (aggiunta dalla patch) campo %2: %3</translation>
    </message>
    <message>
        <source>removed by the patch</source>
        <translation>rimossa dalla patch</translation>
    </message>
    <message>
        <source>missing, patch removes it</source>
        <translation>assente, la patch la rimuove</translation>
    </message>
    <message>
        <source>the patch changes field %1, which is no extra, text or value of the table</source>
        <translation>la patch modifica il campo %1, che non è né un extra né un testo né un valore della tabella</translation>
    </message>
    <message>
        <source>the patch changes field %1 twice</source>
        <translation>la patch modifica due volte il campo %1</translation>
    </message>
    <message>
        <source>holds %1, patch expects %2</source>
        <translation>contiene %1, la patch prevede %2</translation>
    </message>
    <message>
        <source>missing, patch changes it</source>
        <translation>assente, la patch la modifica</translation>
    </message>
    <message>
        <source>changed by the patch</source>
        <translation>modificata dalla patch</translation>
    </message>
    <message>
        <source>the bits no field covers are not what the patch expects</source>
        <translation>i bit non coperti da alcun campo non sono quelli previsti dalla patch</translation>
    </message>
    <message>
        <source>the row it follows (%1) is missing</source>
        <translation>manca la riga che la precede (%1)</translation>
    </message>
    <message>
        <source>the added row has %1 values, the table %2</source>
        <translation>la riga aggiunta ha %1 valori, la tabella %2</translation>
    </message>
    <message>
        <source>added by the patch</source>
        <translation>aggiunta dalla patch</translation>
    </message>
    <message>
        <source>%1 would hold %2 rows (%3 row words); at most %4 rows and %5 row words are allowed</source>
        <translation>%1 conterrebbe %2 righe (%3 parole di riga); sono ammesse al massimo %4 righe e %5 parole di riga</translation>
    </message>
    <message>
        <source>%1 holds %2 rows, patch expects %3</source>
        <translation>%1 contiene %2 righe, la patch ne prevede %3</translation>
    </message>
    <message>
        <source>language entry %1: missing, patch removes it</source>
        <translation>voce di lingua %1: assente, la patch la rimuove</translation>
    </message>
    <message>
        <source>language entry %1: holds %2, patch expects %3</source>
        <translation>voce di lingua %1: contiene %2, la patch prevede %3</translation>
    </message>
    <message>
        <source>language entry %1: missing, patch changes it</source>
        <translation>voce di lingua %1: assente, la patch la modifica</translation>
    </message>
    <message>
        <source>language entry %1: the patch lists it twice</source>
        <translation>voce di lingua %1: la patch la elenca due volte</translation>
    </message>
    <message>
        <source>language entry %1, which the added entry %2 follows, is missing</source>
        <translation>manca la voce di lingua %1, che precede la voce aggiunta %2</translation>
    </message>
    <message>
        <source>language entry %1: already there, patch adds it</source>
        <translation>voce di lingua %1: già presente, la patch la aggiunge</translation>
    </message>
    <message>
        <source>the language file would hold %1 entries; at most %2 are allowed</source>
        <translation>il file di lingua conterrebbe %1 voci; ne sono ammesse al massimo %2</translation>
    </message>
    <message>
        <source>the patch changes language entries, and no language file is given</source>
        <translation>la patch modifica voci di lingua, ma non è indicato alcun file di lingua</translation>
    </message>
    <message>
        <source>the first has %1 tables, the second %2</source>
        <translation>il primo ha %1 tabelle, il secondo %2</translation>
    </message>
    <message>
        <source>table %1 is %2 in the first, %3 in the second</source>
        <translation>la tabella %1 si chiama %2 nel primo, %3 nel secondo</translation>
    </message>
    <message>
        <source>table %1 %2 has other kinds of fields in the two</source>
        <translation>la tabella %1 %2 ha tipi di campi diversi nei due</translation>
    </message>
    <message>
        <source>table %1 field %2 is %3 in the first, %4 in the second</source>
        <translation>il campo %2 della tabella %1 si chiama %3 nel primo, %4 nel secondo</translation>
    </message>
    <message>
        <source>table %1 field %2 is %3 bits wide in the first, %4 in the second</source>
        <translation>il campo %2 della tabella %1 è largo %3 bit nel primo, %4 nel secondo</translation>
    </message>
    <message>
        <source>table %1 has %2 words per row in the first, %3 in the second</source>
        <translation>la tabella %1 ha %2 parole per riga nel primo, %3 nel secondo</translation>
    </message>
    <message>
        <source>table %1 is %2 in the first patch, %3 in the second</source>
        <translation>la tabella %1 si chiama %2 nella prima patch, %3 nella seconda</translation>
    </message>
    <message>
        <source>table %1 %2 has other fields in the two patches</source>
        <translation>la tabella %1 %2 ha campi diversi nelle due patch</translation>
    </message>
    <message>
        <source>table %1 %2 has %3 rows before in the first patch, %4 in the second: they were made on different games</source>
        <translation>la tabella %1 %2 ha %3 righe iniziali nella prima patch, %4 nella seconda: sono state create su giochi diversi</translation>
    </message>
    <message>
        <source>the base game and game %1 cannot be compared: %2</source>
        <translation>impossibile confrontare il gioco di base e il gioco %1: %2</translation>
    </message>
    <message>
        <source>the merged changes do not apply to the base game: %1</source>
        <translation>le modifiche unite non si applicano al gioco di base: %1</translation>
    </message>
</context>
<context>
    <name>qira::patch_commands</name>
    <message>
        <source>%1 does not apply to this game: 1 conflict. Nothing was changed.

%2</source>
        <extracomment>%1: the patch&apos;s name; %2: the conflict, on its own line</extracomment>
        <translation>%1 non si applica a questo gioco: 1 conflitto. Non è stato modificato nulla.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%1 does not apply to this game: %Ln conflicts. Nothing was changed.

%2</source>
        <extracomment>%1: the patch&apos;s name; %Ln: how many conflicts (two or more); %2: the conflicts, one a line</extracomment>
        <translation>
            <numerusform>%1 non si applica a questo gioco: %Ln conflitto. Non è stato modificato nulla.

%2</numerusform>
            <numerusform>%1 non si applica a questo gioco: %Ln conflitti. Non è stato modificato nulla.

%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Save changes as patch</source>
        <translation>Salva modifiche come patch</translation>
    </message>
    <message>
        <source>Apply patch</source>
        <translation>Applica patch</translation>
    </message>
    <message>
        <source>Patches (*.json);;All files (*)</source>
        <extracomment>File dialog filters: the parts in brackets stay as they are</extracomment>
        <translation>Patch (*.json);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Compare with another game</source>
        <translation>Confronta con un altro gioco</translation>
    </message>
    <message>
        <source>Game database (qira.db);;All files (*)</source>
        <extracomment>File dialog filters: the parts in brackets stay as they are</extracomment>
        <translation>Database del gioco (qira.db);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The files could not be read again after they were opened, so there is nothing to compare the changes with.</source>
        <translation>Non è stato possibile rileggere i file dopo la loro apertura, quindi non c&apos;è nulla con cui confrontare le modifiche.</translation>
    </message>
    <message>
        <source>Comparing the game with its files as opened...</source>
        <translation>Confronto del gioco con i suoi file com&apos;erano all&apos;apertura...</translation>
    </message>
    <message>
        <source>Nothing was changed since the files were opened: there is no patch to write.</source>
        <translation>Non è stato modificato nulla dall&apos;apertura dei file: non c&apos;è alcuna patch da scrivere.</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <extracomment>Progress; %1: the patch file&apos;s name</extracomment>
        <translation>Scrittura di %1...</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Title of the message box of a save that failed</extracomment>
        <translation>Errore</translation>
    </message>
    <message numerus="yes">
        <source>A patch of %Ln changes was written to %1.</source>
        <extracomment>%Ln: how many changes; %1: the patch file&apos;s name</extracomment>
        <translation>
            <numerusform>Una patch di %Ln modifica è stata scritta in %1.</numerusform>
            <numerusform>Una patch di %Ln modifiche è stata scritta in %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <extracomment>Progress; %1: the patch file&apos;s name</extracomment>
        <translation>Lettura di %1...</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The two patch files merged, named in other messages; %1, %2: their file names</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Merging %1...</source>
        <extracomment>Progress; %1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>Unione di %1...</translation>
    </message>
    <message>
        <source>Merged from %1: no conflicts.</source>
        <extracomment>%1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>Unione di %1 completata: nessun conflitto.</translation>
    </message>
    <message>
        <source>Conflicts of %1</source>
        <extracomment>Window title; %1: the two patch files</extracomment>
        <translation>Conflitti tra %1</translation>
    </message>
    <message>
        <source>%1 were not merged; nothing was changed.</source>
        <extracomment>%1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>%1 non sono stati uniti; non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Merged from %1: 1 conflict decided (a: %2, b: %3, left out: %4).</source>
        <extracomment>%1: the two patch files; %2, %3, %4: how many conflicts took side a, took side b, were left out</extracomment>
        <translation>Unione di %1 completata: 1 conflitto risolto (a: %2, b: %3, esclusi: %4).</translation>
    </message>
    <message numerus="yes">
        <source>Merged from %1: %Ln conflicts decided (a: %2, b: %3, left out: %4).</source>
        <extracomment>%1: the two patch files; %Ln: how many conflicts (two or more); %2, %3, %4: how many took side a, took side b, were left out</extracomment>
        <translation>
            <numerusform>Unione di %1 completata: %Ln conflitto risolto (a: %2, b: %3, esclusi: %4).</numerusform>
            <numerusform>Unione di %1 completata: %Ln conflitti risolti (a: %2, b: %3, esclusi: %4).</numerusform>
        </translation>
    </message>
    <message>
        <source>merge patches %1</source>
        <extracomment>Undo step; %1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>unione patch %1</translation>
    </message>
    <message>
        <source>Merge patches %1</source>
        <extracomment>Window title; %1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>Unisci patch %1</translation>
    </message>
    <message>
        <source>%1 has no language file %2 beside it, so the language entries are not compared.</source>
        <extracomment>%1: the other game&apos;s database; %2: the language file&apos;s name</extracomment>
        <translation>%1 non ha accanto il file di lingua %2, quindi le voci di lingua non vengono confrontate.</translation>
    </message>
    <message>
        <source>Reading and comparing %1...</source>
        <extracomment>Progress; %1: the other game&apos;s database</extracomment>
        <translation>Lettura e confronto di %1...</translation>
    </message>
    <message>
        <source>The open game and %1 hold the same.</source>
        <extracomment>%1: the other game&apos;s database</extracomment>
        <translation>Il gioco aperto e %1 hanno lo stesso contenuto.</translation>
    </message>
    <message>
        <source>Differences from the open game to %1: tick what to take over.</source>
        <extracomment>%1: the other game&apos;s database</extracomment>
        <translation>Differenze tra il gioco aperto e %1: spunta cosa importare.</translation>
    </message>
    <message>
        <source>take over from %1</source>
        <extracomment>Undo step; %1: the other game&apos;s database</extracomment>
        <translation>importazione da %1</translation>
    </message>
    <message>
        <source>Compare with %1</source>
        <extracomment>Window title; %1: the other game&apos;s database</extracomment>
        <translation>Confronta con %1</translation>
    </message>
    <message>
        <source>%1 holds no changes.</source>
        <extracomment>%1: the patch (or the game compared with)</extracomment>
        <translation>%1 non contiene modifiche.</translation>
    </message>
    <message>
        <source>Review patch %1</source>
        <extracomment>Window title; %1: the patch file&apos;s name</extracomment>
        <translation>Esamina patch %1</translation>
    </message>
    <message>
        <source>%1 was not applied; nothing was changed.</source>
        <extracomment>%1: the patch (or the game compared with)</extracomment>
        <translation>%1: nessuna modifica applicata; il gioco non è cambiato.</translation>
    </message>
    <message>
        <source>%1: the selected changes change nothing in this game.</source>
        <extracomment>%1: the patch (or the game compared with)</extracomment>
        <translation>%1: le modifiche selezionate non cambiano nulla in questo gioco.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 changes applied; Undo takes them back.</source>
        <extracomment>%1: the patch (or the game compared with); %2 of %3: the changes ticked of all changes</extracomment>
        <translation>%1: applicate %2 modifiche su %3; si possono annullare con Annulla.</translation>
    </message>
    <message>
        <source>apply patch %1</source>
        <extracomment>Undo step; %1: the patch file&apos;s name</extracomment>
        <translation>applicazione patch %1</translation>
    </message>
    <message>
        <source>No patch can be made: %1</source>
        <extracomment>%1: why not</extracomment>
        <translation>Impossibile creare la patch: %1</translation>
    </message>
    <message>
        <source>%1 cannot be merged: %2. Nothing was changed.</source>
        <extracomment>%1: the two patch files; %2: why not</extracomment>
        <translation>Impossibile unire %1: %2. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The open game cannot be compared with %1: %2. Nothing was changed.</source>
        <extracomment>%1: the other game&apos;s database; %2: why not</extracomment>
        <translation>Impossibile confrontare il gioco aperto con %1: %2. Non è stato modificato nulla.</translation>
    </message>
</context>
<context>
    <name>qira::patch_review_model</name>
    <message>
        <source>1 conflict</source>
        <translation>1 conflitto</translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts</source>
        <translation>
            <numerusform>%Ln conflitto</numerusform>
            <numerusform>%Ln conflitti</numerusform>
        </translation>
    </message>
    <message>
        <source>field %1</source>
        <extracomment>%1: the name of a field of a row the patch changes</extracomment>
        <translation>campo %1</translation>
    </message>
    <message>
        <source>Conflict: %1</source>
        <extracomment>%1: why the change conflicts with the game</extracomment>
        <translation>Conflitto: %1</translation>
    </message>
    <message>
        <source>1 conflict beneath</source>
        <translation>1 conflitto all&apos;interno</translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts beneath</source>
        <translation>
            <numerusform>%Ln conflitto all&apos;interno</numerusform>
            <numerusform>%Ln conflitti all&apos;interno</numerusform>
        </translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Column header: the table, row or field a patch changes</extracomment>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Patch expects</source>
        <translation>Atteso dalla patch</translation>
    </message>
    <message>
        <source>Game holds</source>
        <translation>Nel gioco</translation>
    </message>
    <message>
        <source>Will be</source>
        <translation>Diventerà</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Conflitto</translation>
    </message>
</context>
<context>
    <name>qira::patch_review_window</name>
    <message>
        <source>1 change</source>
        <translation>1 modifica</translation>
    </message>
    <message numerus="yes">
        <source>%Ln changes</source>
        <translation>
            <numerusform>%Ln modifica</numerusform>
            <numerusform>%Ln modifiche</numerusform>
        </translation>
    </message>
    <message>
        <source>1 conflict</source>
        <translation>1 conflitto</translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts</source>
        <translation>
            <numerusform>%Ln conflitto</numerusform>
            <numerusform>%Ln conflitti</numerusform>
        </translation>
    </message>
    <message>
        <source>Where these changes come from</source>
        <translation>Provenienza di queste modifiche</translation>
    </message>
    <message>
        <source>... and %L1 more</source>
        <translation>... e altri %L1</translation>
    </message>
    <message>
        <source>No change of this patch can be applied to this game:
%1</source>
        <extracomment>%1: the problems, one a line</extracomment>
        <translation>Nessuna modifica di questa patch può essere applicata a questo gioco:
%1</translation>
    </message>
    <message>
        <source>Problems of the whole patch</source>
        <translation>Problemi dell&apos;intera patch</translation>
    </message>
    <message>
        <source>A table, a name, a field or a value (Ctrl+F)</source>
        <translation>Una tabella, un nome, un campo o un valore (Ctrl+F)</translation>
    </message>
    <message>
        <source>Find in the changes</source>
        <translation>Cerca nelle modifiche</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Cerca:</translation>
    </message>
    <message>
        <source>Changes of the patch</source>
        <translation>Modifiche della patch</translation>
    </message>
    <message>
        <source>Review summary</source>
        <translation>Riepilogo dell&apos;esame</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleziona tutte</translation>
    </message>
    <message>
        <source>Tick every change that does not conflict</source>
        <translation>Spunta ogni modifica senza conflitti</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Deseleziona tutte</translation>
    </message>
    <message>
        <source>Apply selected</source>
        <translation>Applica selezionate</translation>
    </message>
    <message>
        <source>Apply the ticked changes as one step of Undo</source>
        <translation>Applica le modifiche spuntate come un solo passo di Annulla</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Tick</source>
        <extracomment>Context menu: tick the check box of the change (choose it to be applied)</extracomment>
        <translation>Spunta</translation>
    </message>
    <message>
        <source>Untick</source>
        <translation>Togli spunta</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>%1, %2, %L3 selected; %L4 of %L5 rows shown</source>
        <extracomment>%1: &quot;40 changes&quot;; %2: &quot;1 conflict&quot;; %3: how many changes are ticked; %4 of %5: the rows the find shows of all rows</extracomment>
        <translation>%1, %2, %L3 selezionate; %L4 righe su %L5 mostrate</translation>
    </message>
    <message>
        <source>%1, %2, %L3 selected</source>
        <extracomment>%1: &quot;40 changes&quot;; %2: &quot;1 conflict&quot;; %3: how many are ticked</extracomment>
        <translation>%1, %2, %L3 selezionate</translation>
    </message>
</context>
<context>
    <name>qira::player_names_dialog</name>
    <message>
        <source>&amp;First name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>&amp;Pseudonym</source>
        <translation>&amp;Pseudonimo</translation>
    </message>
    <message>
        <source>&amp;Surname</source>
        <translation>&amp;Cognome</translation>
    </message>
    <message>
        <source>No new player: %1</source>
        <extracomment>%1: why no new player can be made</extracomment>
        <translation>Nessun nuovo giocatore: %1</translation>
    </message>
    <message>
        <source>New player</source>
        <translation>Nuovo giocatore</translation>
    </message>
</context>
<context>
    <name>qira::player_page</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Pseudonym</source>
        <translation>Pseudonimo</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Cognome</translation>
    </message>
    <message>
        <source>Preferred position</source>
        <translation>Ruolo preferito</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Hair color</source>
        <translation>Colore capelli</translation>
    </message>
    <message>
        <source>Boots color</source>
        <translation>Colore scarpe</translation>
    </message>
    <message>
        <source>Star Player</source>
        <translation>Fuoriclasse</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Resistenza</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passaggi</translation>
    </message>
    <message>
        <source>Tackling</source>
        <translation>Contrasti</translation>
    </message>
    <message>
        <source>Ball Control</source>
        <translation>Controllo palla</translation>
    </message>
    <message>
        <source>Shot Accuraty</source>
        <translation>Precisione tiro</translation>
    </message>
    <message>
        <source>Talent</source>
        <translation>Talento</translation>
    </message>
    <message>
        <source>Player ID:</source>
        <translation>ID giocatore:</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Edit Team</source>
        <translation>&lt;&lt;&lt; Modifica squadra</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation>Applica</translation>
    </message>
    <message>
        <source>New player...</source>
        <translation>Nuovo giocatore...</translation>
    </message>
    <message>
        <source>A copy of this player with the next free id and new names</source>
        <translation>Una copia di questo giocatore con il prossimo id libero e nuovi nomi</translation>
    </message>
    <message>
        <source>Delete player</source>
        <translation>Elimina giocatore</translation>
    </message>
    <message>
        <source>This player&apos;s row and his memberships of teams</source>
        <translation>La riga di questo giocatore e la sua appartenenza alle squadre</translation>
    </message>
    <message>
        <source>Player status</source>
        <translation>Stato giocatore</translation>
    </message>
    <message>
        <source>Player ID</source>
        <translation>ID giocatore</translation>
    </message>
    <message>
        <source>*Hair color may not match when special face is used for player</source>
        <translation>*Il colore dei capelli può non corrispondere se il giocatore ha un volto speciale</translation>
    </message>
    <message>
        <source>Apply player %1</source>
        <translation>Modifiche giocatore %1</translation>
    </message>
    <message>
        <source>Show the player to copy first.</source>
        <translation>Prima mostra il giocatore da copiare.</translation>
    </message>
    <message>
        <source>new player %1</source>
        <translation>nuovo giocatore %1</translation>
    </message>
    <message>
        <source>New player %1 (id %2) in %3.</source>
        <extracomment>%1: the player&apos;s name; %2: his id; %3: the team</extracomment>
        <translation>Nuovo giocatore %1 (id %2) in %3.</translation>
    </message>
    <message>
        <source>New player %1 (id %2), without a team.</source>
        <translation>Nuovo giocatore %1 (id %2), senza squadra.</translation>
    </message>
    <message>
        <source>Show the player to delete first.</source>
        <translation>Prima mostra il giocatore da eliminare.</translation>
    </message>
    <message>
        <source>delete player %1</source>
        <translation>eliminazione giocatore %1</translation>
    </message>
    <message>
        <source>Deleted %1 and his membership of a team.</source>
        <translation>Eliminato %1 con la sua appartenenza a una squadra.</translation>
    </message>
    <message numerus="yes">
        <source>Deleted %1 and his %Ln memberships of teams.</source>
        <translation>
            <numerusform>Eliminato %1 con la sua appartenenza a %Ln squadra.</numerusform>
            <numerusform>Eliminato %1 con le sue appartenenze a %Ln squadre.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was not deleted: %2</source>
        <extracomment>%1: the player; %2: why not</extracomment>
        <translation>%1 non è stato eliminato: %2</translation>
    </message>
</context>
<context>
    <name>qira::problem</name>
    <message>
        <source>the file is read-only</source>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>its old content could not be kept while the files are replaced (%1)</source>
        <translation>non è stato possibile conservarne il contenuto precedente durante la sostituzione dei file (%1)</translation>
    </message>
    <message>
        <source>the new file is in place, but its folder could not be synced to the disk (%1)</source>
        <translation>il nuovo file è al suo posto, ma non è stato possibile sincronizzare la sua cartella sul disco (%1)</translation>
    </message>
    <message>
        <source>the new files are in place, but its folder could not be synced to the disk (%1)</source>
        <translation>i nuovi file sono al loro posto, ma non è stato possibile sincronizzare la loro cartella sul disco (%1)</translation>
    </message>
    <message>
        <source>%1. %2 had already been replaced and was put back</source>
        <translation>%1. %2 era già stato sostituito ed è stato riportato com&apos;era</translation>
    </message>
    <message>
        <source>%1. %2 had already been replaced and were put back</source>
        <translation>%1. %2 erano già stati sostituiti e sono stati riportati com&apos;erano</translation>
    </message>
    <message>
        <source>Putting back %1 failed too (%2).</source>
        <translation>Non è stato possibile riportare com&apos;era nemmeno %1 (%2).</translation>
    </message>
    <message>
        <source>The files do not belong together now:</source>
        <translation>Ora i file non sono più coerenti tra loro:</translation>
    </message>
    <message>
        <source>%1 is the old file</source>
        <translation>%1 è il file vecchio</translation>
    </message>
    <message>
        <source>%1 is the new file, and the old one is kept as %2</source>
        <translation>%1 è il file nuovo e quello vecchio è conservato come %2</translation>
    </message>
    <message>
        <source>%1 is the new file (there was none before)</source>
        <translation>%1 è il file nuovo (prima non esisteva)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>non è leggibile</translation>
    </message>
    <message>
        <source>it could not be read to its end</source>
        <translation>non è stato possibile leggerlo fino in fondo</translation>
    </message>
    <message>
        <source>%1. Nothing was saved: %2 are as they were.</source>
        <extracomment>%1 is why the save failed, %2 the files</extracomment>
        <translation>%1. Non è stato salvato nulla: %2 sono rimasti com&apos;erano.</translation>
    </message>
    <message>
        <source>%1 is named for two of the files to save (%2): one would be written over the other.</source>
        <translation>%1 è indicato come percorso di due dei file da salvare (%2): uno sovrascriverebbe l&apos;altro.</translation>
    </message>
    <message>
        <source>no such file or no access</source>
        <translation>file inesistente o accesso negato</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>a list of names: %1 is one name or several separated by commas, %2 the last one</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>the file (%1) is too short for a language file&apos;s header</source>
        <translation>il file (%1) è troppo corto per l&apos;intestazione di un file di lingua</translation>
    </message>
    <message>
        <source>it holds %1 entries; at most %2 are allowed</source>
        <translation>contiene %1 voci; ne sono ammesse al massimo %2</translation>
    </message>
    <message>
        <source>its directory of %1 entries runs past the end of the file (%2)</source>
        <translation>il suo indice di %1 voci va oltre la fine del file (%2)</translation>
    </message>
    <message>
        <source>the text of entry %1 (key %2, offset %3) runs past the end of the file (%4)</source>
        <translation>il testo della voce %1 (chiave %2, offset %3) va oltre la fine del file (%4)</translation>
    </message>
    <message>
        <source>it would hold %1 entries; a language file holds at most %2</source>
        <translation>conterrebbe %1 voci; un file di lingua ne contiene al massimo %2</translation>
    </message>
    <message>
        <source>its texts exceed 2 GiB</source>
        <translation>i suoi testi superano 2 GiB</translation>
    </message>
    <message>
        <source>the file (%1) is too short for its header</source>
        <translation>il file (%1) è troppo corto per la sua intestazione</translation>
    </message>
    <message>
        <source>it says it holds %1 tables; a database file holds 1 to %2</source>
        <translation>dichiara di contenere %1 tabelle; un file di database ne contiene da 1 a %2</translation>
    </message>
    <message>
        <source>the header of table %1 (offset %2) runs past the end of the file (%3)</source>
        <translation>l&apos;intestazione della tabella %1 (offset %2) va oltre la fine del file (%3)</translation>
    </message>
    <message>
        <source>table %1 has %2 %3 fields; a table has 0 to %4</source>
        <extracomment>%3 is the kind of field (key, extra, text)</extracomment>
        <translation>la tabella %1 ha %2 campi %3; una tabella ne ha da 0 a %4</translation>
    </message>
    <message>
        <source>table %1 has %2 whole-word and %3 %4 fields; a table has at most %5 fields</source>
        <translation>la tabella %1 ha %2 campi a parola intera e %3 campi %4; una tabella ha al massimo %5 campi</translation>
    </message>
    <message>
        <source>the field descriptors of table %1 (offset %2, %3 bytes) run past the end of the file (%4)</source>
        <translation>i descrittori dei campi della tabella %1 (offset %2, %3 byte) vanno oltre la fine del file (%4)</translation>
    </message>
    <message>
        <source>table %1&apos;s block (offset %2, %3 bytes) ends before the next table&apos;s block begins; a block holds at least its 8-byte head</source>
        <translation>il blocco della tabella %1 (offset %2, %3 byte) finisce prima dell&apos;inizio del blocco della tabella successiva; un blocco contiene almeno la sua intestazione di 8 byte</translation>
    </message>
    <message>
        <source>table %1&apos;s block (offset %2, %3 bytes) ends before the names region begins; a block holds at least its 8-byte head</source>
        <translation>il blocco della tabella %1 (offset %2, %3 byte) finisce prima dell&apos;inizio dell&apos;area dei nomi; un blocco contiene almeno la sua intestazione di 8 byte</translation>
    </message>
    <message>
        <source>table %1&apos;s block (offset %2, %3 bytes) runs past the end of the file (%4)</source>
        <translation>il blocco della tabella %1 (offset %2, %3 byte) va oltre la fine del file (%4)</translation>
    </message>
    <message>
        <source>table %1 has %2 rows; a table holds at most %3</source>
        <translation>la tabella %1 ha %2 righe; una tabella ne contiene al massimo %3</translation>
    </message>
    <message>
        <source>table %1 has %2 rows of %3 words; a table holds at most %4 row words</source>
        <translation>la tabella %1 ha %2 righe di %3 parole; una tabella contiene al massimo %4 parole di riga</translation>
    </message>
    <message>
        <source>table %1&apos;s rows have %2 words, fewer than its %3 whole-word fields</source>
        <translation>le righe della tabella %1 hanno %2 parole, meno dei suoi %3 campi a parola intera</translation>
    </message>
    <message>
        <source>the name of table %1 (offset %2) runs past the end of the file (%3)</source>
        <translation>il nome della tabella %1 (offset %2) va oltre la fine del file (%3)</translation>
    </message>
    <message>
        <source>the name of field %1 of table %2 (offset %3) runs past the end of the file (%4)</source>
        <translation>il nome del campo %1 della tabella %2 (offset %3) va oltre la fine del file (%4)</translation>
    </message>
    <message>
        <source>text %1 of row %2 in table %3 (offset %4) runs past the end of the file (%5 bytes)</source>
        <translation>il testo %1 della riga %2 nella tabella %3 (offset %4) va oltre la fine del file (%5 byte)</translation>
    </message>
    <message>
        <source>its directory of %1 blocks runs past the end of the file (%2)</source>
        <translation>il suo indice di %1 blocchi va oltre la fine del file (%2)</translation>
    </message>
    <message>
        <source>it has %1 tables; a database file holds 1 to %2</source>
        <translation>ha %1 tabelle; un file di database ne contiene da 1 a %2</translation>
    </message>
    <message>
        <source>table %1 has %2 fields of one whole-word kind; at most %3 are allowed</source>
        <translation>la tabella %1 ha %2 campi di uno stesso tipo a parola intera; ne sono ammessi al massimo %3</translation>
    </message>
    <message>
        <source>table %1 has %2 field descriptors for %3 fields (at most %4)</source>
        <translation>la tabella %1 ha %2 descrittori di campo per %3 campi (al massimo %4)</translation>
    </message>
    <message>
        <source>table %1 has %2 row words; a table holds at most %3</source>
        <translation>la tabella %1 ha %2 parole di riga; una tabella ne contiene al massimo %3</translation>
    </message>
    <message>
        <source>the file would exceed 2 GiB</source>
        <translation>il file supererebbe 2 GiB</translation>
    </message>
    <message>
        <source>leagues</source>
        <translation>campionati</translation>
    </message>
    <message>
        <source>league teams</source>
        <translation>squadre dei campionati</translation>
    </message>
    <message>
        <source>players</source>
        <translation>giocatori</translation>
    </message>
    <message>
        <source>stadiums</source>
        <translation>stadi</translation>
    </message>
    <message>
        <source>team settings</source>
        <translation>impostazioni squadra</translation>
    </message>
    <message>
        <source>team players</source>
        <translation>giocatori delle squadre</translation>
    </message>
    <message>
        <source>teams</source>
        <translation>squadre</translation>
    </message>
    <message>
        <source>table %1 (%2) is missing</source>
        <translation>manca la tabella %1 (%2)</translation>
    </message>
    <message>
        <source>table %1 (%2) has %3 key fields, not %4</source>
        <translation>la tabella %1 (%2) ha %3 campi chiave, non %4</translation>
    </message>
    <message>
        <source>table %1 (%2) has %3 texts per row, not %4</source>
        <translation>la tabella %1 (%2) ha %3 testi per riga, non %4</translation>
    </message>
    <message>
        <source>table %1 (%2) has %3 packed values per row, not %4</source>
        <translation>la tabella %1 (%2) ha %3 valori compattati per riga, non %4</translation>
    </message>
    <message>
        <source>table %1 (%2) has no field &quot;%3&quot;</source>
        <translation>la tabella %1 (%2) non ha il campo &quot;%3&quot;</translation>
    </message>
    <message>
        <source>the member &quot;%1&quot; is missing</source>
        <translation>manca il membro &quot;%1&quot;</translation>
    </message>
    <message>
        <source>expected null</source>
        <translation>atteso null</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>atteso true o false</translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation>atteso un numero intero</translation>
    </message>
    <message>
        <source>expected a number</source>
        <translation>atteso un numero</translation>
    </message>
    <message>
        <source>expected a text</source>
        <translation>atteso un testo</translation>
    </message>
    <message>
        <source>expected an array</source>
        <translation>atteso un array</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>atteso un oggetto</translation>
    </message>
    <message>
        <source>%1 is out of range (%2 to %3)</source>
        <translation>%1 è fuori intervallo (da %2 a %3)</translation>
    </message>
    <message>
        <source>the document is not valid UTF-8</source>
        <translation>il documento non è UTF-8 valido</translation>
    </message>
    <message>
        <source>the document ends where a value should be</source>
        <translation>il documento finisce dove dovrebbe esserci un valore</translation>
    </message>
    <message>
        <source>nested deeper than a patch is</source>
        <translation>annidamento più profondo di quello di una patch</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;}&apos;</source>
        <translation>atteso &apos;,&apos; o &apos;}&apos;</translation>
    </message>
    <message>
        <source>expected a member name in quotes</source>
        <translation>atteso un nome di membro tra virgolette</translation>
    </message>
    <message>
        <source>an object with more members than a patch has</source>
        <translation>un oggetto con più membri di quanti ne abbia una patch</translation>
    </message>
    <message>
        <source>the member &quot;%1&quot; appears twice</source>
        <translation>il membro &quot;%1&quot; compare due volte</translation>
    </message>
    <message>
        <source>expected &apos;:&apos;</source>
        <translation>atteso &apos;:&apos;</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;]&apos;</source>
        <translation>atteso &apos;,&apos; o &apos;]&apos;</translation>
    </message>
    <message>
        <source>a \u escape needs four hex digits</source>
        <translation>una sequenza di escape \u richiede quattro cifre esadecimali</translation>
    </message>
    <message>
        <source>a text runs to the end of the document</source>
        <translation>un testo prosegue fino alla fine del documento</translation>
    </message>
    <message>
        <source>an unknown escape in a text</source>
        <translation>una sequenza di escape sconosciuta in un testo</translation>
    </message>
    <message>
        <source>a high surrogate escape without its low half</source>
        <translation>una sequenza di escape di surrogato alto senza la metà bassa</translation>
    </message>
    <message>
        <source>a lone low surrogate escape other than \udc80 to \udcff</source>
        <translation>una sequenza di escape isolata di surrogato basso non compresa tra \udc80 e \udcff</translation>
    </message>
    <message>
        <source>a control character inside a text must be escaped</source>
        <translation>un carattere di controllo in un testo richiede una sequenza di escape</translation>
    </message>
    <message>
        <source>not a JSON value</source>
        <translation>non è un valore JSON</translation>
    </message>
    <message>
        <source>a number with a leading zero</source>
        <translation>un numero con uno zero iniziale</translation>
    </message>
    <message>
        <source>a number without digits after its point</source>
        <translation>un numero senza cifre dopo il punto decimale</translation>
    </message>
    <message>
        <source>a number without digits in its exponent</source>
        <translation>un numero senza cifre nell&apos;esponente</translation>
    </message>
    <message>
        <source>unexpected text after the document</source>
        <translation>testo inatteso dopo la fine del documento</translation>
    </message>
    <message>
        <source>expected an object or null</source>
        <translation>atteso un oggetto o null</translation>
    </message>
    <message>
        <source>more entries than a language file has</source>
        <translation>più voci di quante ne abbia un file di lingua</translation>
    </message>
    <message>
        <source>%1 is not &quot;%2&quot;</source>
        <translation>%1 non è &quot;%2&quot;</translation>
    </message>
    <message>
        <source>version %1 is not known; this program reads version %2</source>
        <translation>versione %1 sconosciuta; questo programma legge la versione %2</translation>
    </message>
    <message>
        <source>expected %1 field names (as many as the kinds count, at most %2)</source>
        <translation>attesi %1 nomi di campo (tanti quanti ne contano i tipi, al massimo %2)</translation>
    </message>
    <message>
        <source>more rows than a table has</source>
        <translation>più righe di quante ne abbia una tabella</translation>
    </message>
    <message>
        <source>more fields than a table has</source>
        <translation>più campi di quanti ne abbia una tabella</translation>
    </message>
    <message>
        <source>more tables than a game has</source>
        <translation>più tabelle di quante ne abbia un gioco</translation>
    </message>
    <message>
        <source>the document cannot be read</source>
        <translation>il documento non è leggibile</translation>
    </message>
    <message>
        <source>%1 does not fit in 32 bits</source>
        <translation>%1 non rientra in 32 bit</translation>
    </message>
    <message>
        <source>expected %1 keys</source>
        <translation>attese %1 chiavi</translation>
    </message>
    <message>
        <source>more than %1 words</source>
        <translation>più di %1 parole</translation>
    </message>
    <message>
        <source>expected %1 extras</source>
        <translation>attesi %1 extra</translation>
    </message>
    <message>
        <source>expected %1 texts</source>
        <translation>attesi %1 testi</translation>
    </message>
    <message>
        <source>expected %1 values</source>
        <translation>attesi %1 valori</translation>
    </message>
    <message>
        <source>field %1 is not named %2</source>
        <translation>il campo %1 non si chiama %2</translation>
    </message>
    <message>
        <source>the table has no field %1</source>
        <translation>la tabella non ha il campo %1</translation>
    </message>
    <message>
        <source>the table has more than one field %1: give its field_index</source>
        <translation>la tabella ha più di un campo %1: indicane il field_index</translation>
    </message>
    <message>
        <source>%1 is a key field: a changed key is a row removed and one added</source>
        <translation>%1 è un campo chiave: modificare una chiave equivale a rimuovere una riga e aggiungerne un&apos;altra</translation>
    </message>
    <message>
        <source>&quot;before&quot; and &quot;after&quot; are both needed</source>
        <translation>servono sia &quot;before&quot; sia &quot;after&quot;</translation>
    </message>
    <message>
        <source>more changes than fields</source>
        <translation>più modifiche che campi</translation>
    </message>
    <message>
        <source>expected as many words before as after</source>
        <translation>attese tante parole prima quante dopo la modifica</translation>
    </message>
    <message>
        <source>names no file</source>
        <translation>non indica alcun file</translation>
    </message>
</context>
<context>
    <name>qira::recovery_commands</name>
    <message>
        <source>Put aside</source>
        <extracomment>A choice of the question about the changes kept when the editor did not close normally</extracomment>
        <translation>Metti da parte</translation>
    </message>
    <message>
        <source>Decide at the next start</source>
        <extracomment>A choice of the question about the changes kept when the editor did not close normally</extracomment>
        <translation>Decidi al prossimo avvio</translation>
    </message>
    <message>
        <source>its lock cannot be taken</source>
        <extracomment>Why the file that keeps the unsaved changes cannot be written</extracomment>
        <translation>non è possibile ottenerne il blocco</translation>
    </message>
    <message>
        <source>%1 could not be renamed; it stays for the next start.</source>
        <extracomment>%1: the file that keeps the changes</extracomment>
        <translation>Impossibile rinominare %1; resta per il prossimo avvio.</translation>
    </message>
    <message>
        <source>The kept changes were put aside as %1. &quot;Apply patch...&quot; can apply them to the game.</source>
        <extracomment>%1: the file the changes were put aside as</extracomment>
        <translation>Le modifiche conservate sono state messe da parte come %1. Puoi applicarle al gioco con &quot;Applica patch...&quot;.</translation>
    </message>
    <message>
        <source>%1 has changed on disk since (or cannot be read): changes that no longer apply show as conflicts.</source>
        <extracomment>%1: a game file</extracomment>
        <translation>%1 è cambiato sul disco da allora (o non è leggibile): le modifiche che non si applicano più appaiono come conflitti.</translation>
    </message>
    <message>
        <source>The editor did not close normally. It kept 1 unsaved change to
%1

%2Open these files and apply the changes (one step of Undo), or put them aside?</source>
        <extracomment>%1: the game&apos;s files, one a line; %2: empty, or a paragraph about files changed on disk since (it ends in an empty line)</extracomment>
        <translation>L&apos;editor non si è chiuso normalmente. Ha conservato 1 modifica non salvata a
%1

%2Aprire questi file e applicare le modifiche (un solo passo di Annulla) o metterle da parte?</translation>
    </message>
    <message numerus="yes">
        <source>The editor did not close normally. It kept %Ln unsaved changes to
%1

%2Open these files and apply the changes (one step of Undo), or put them aside?</source>
        <extracomment>%Ln: how many changes (two or more); %1: the game&apos;s files, one a line; %2: empty, or a paragraph about files changed on disk since (it ends in an empty line)</extracomment>
        <translation>
            <numerusform>L&apos;editor non si è chiuso normalmente. Ha conservato %Ln modifica non salvata a
%1

%2Aprire questi file e applicare le modifiche (un solo passo di Annulla) o metterle da parte?</numerusform>
            <numerusform>L&apos;editor non si è chiuso normalmente. Ha conservato %Ln modifiche non salvate a
%1

%2Aprire questi file e applicare le modifiche (un solo passo di Annulla) o metterle da parte?</numerusform>
        </translation>
    </message>
    <message>
        <source>Open and apply</source>
        <translation>Apri e applica</translation>
    </message>
    <message>
        <source>These changes were kept by the editor when it did not close normally (%1), made to the files as they were opened or saved then.</source>
        <extracomment>%1: the file that kept the changes</extracomment>
        <translation>Queste modifiche sono state conservate dall&apos;editor quando non si è chiuso normalmente (%1) e si riferiscono ai file com&apos;erano quando furono aperti o salvati.</translation>
    </message>
    <message>
        <source>The kept changes stay in %1 for the next start.</source>
        <extracomment>%1: the file that keeps the changes</extracomment>
        <translation>Le modifiche conservate restano in %1 per il prossimo avvio.</translation>
    </message>
    <message>
        <source>The kept changes were put aside as %1.</source>
        <extracomment>%1: the file the changes were put aside as</extracomment>
        <translation>Le modifiche conservate sono state messe da parte come %1.</translation>
    </message>
    <message>
        <source>The unsaved changes cannot be kept for recovery: %1</source>
        <extracomment>%1: why not</extracomment>
        <translation>Impossibile conservare le modifiche non salvate per il ripristino: %1</translation>
    </message>
</context>
<context>
    <name>qira::reference_delegate</name>
    <message>
        <source>Row %1, %2: not changed: %3</source>
        <extracomment>%1: the row&apos;s number; %2: the column; %3: why the typed text names no row</extracomment>
        <translation>Riga %1, %2: non modificata: %3</translation>
    </message>
</context>
<context>
    <name>qira::reference_picker</name>
    <message>
        <source>Row named: type a name or a number</source>
        <translation>Riga indicata: digita un nome o un numero</translation>
    </message>
    <message>
        <source>Rows the field may name</source>
        <translation>Righe che il campo può indicare</translation>
    </message>
    <message>
        <source>no row is called &apos;%1&apos;; type its name or a number</source>
        <translation>nessuna riga si chiama &apos;%1&apos;; digita il suo nome o un numero</translation>
    </message>
    <message numerus="yes">
        <source>&apos;%1&apos; names %Ln rows; choose one from the list</source>
        <translation>
            <numerusform>&apos;%1&apos; indica %Ln riga; scegline una dall&apos;elenco</numerusform>
            <numerusform>&apos;%1&apos; indica %Ln righe; scegline una dall&apos;elenco</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::registry_key</name>
    <message>
        <source>the value &quot;%1&quot; could not be stored</source>
        <extracomment>Why a setting was not saved; %1: the setting&apos;s name as the registry keeps it</extracomment>
        <translation>impossibile memorizzare il valore &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>qira::result</name>
    <message>
        <source>%1 field %2: %3</source>
        <translation>%1 campo %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is what the problem is about (a row, a member of a document), %2 the problem</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>table %1 row %2 field %3: %4</source>
        <translation>tabella %1 riga %2 campo %3: %4</translation>
    </message>
    <message>
        <source>table %1 row %2: %3</source>
        <translation>tabella %1 riga %2: %3</translation>
    </message>
    <message>
        <source>table %1 field %2: %3</source>
        <translation>tabella %1 campo %2: %3</translation>
    </message>
    <message>
        <source>table %1: %2</source>
        <translation>tabella %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a valid patch: not valid JSON: line %2 column %3: %4</source>
        <translation>%1 non è una patch valida: JSON non valido: riga %2 colonna %3: %4</translation>
    </message>
    <message>
        <source>%1 is not a valid patch: %2: %3</source>
        <translation>%1 non è una patch valida: %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a valid patch: %2</source>
        <translation>%1 non è una patch valida: %2</translation>
    </message>
    <message>
        <source>not valid JSON: line %1 column %2: %3</source>
        <translation>JSON non valido: riga %1 colonna %2: %3</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is a file, %2 why it could not be opened</extracomment>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Impossibile leggere %1</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 è danneggiato: %2</translation>
    </message>
    <message>
        <source>%1 cannot be edited: %2</source>
        <translation>%1 non può essere modificato: %2</translation>
    </message>
    <message>
        <source>line %1 column %2: %3</source>
        <translation>riga %1 colonna %2: %3</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>%1 is a file, %2 why it could not be saved</extracomment>
        <translation>Impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>riga %1, colonna %2: %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>%1 was not imported: %2; nothing was changed.</source>
        <translation>%1 non è stato importato: %2; non è stato modificato nulla.</translation>
    </message>
</context>
<context>
    <name>qira::roster_page</name>
    <message>
        <source>Jersey number</source>
        <translation>Numero maglia</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Ruolo</translation>
    </message>
    <message>
        <source>The player &quot;%1&quot; could not be found; nothing was exchanged.</source>
        <translation>Il giocatore &quot;%1&quot; non è stato trovato; nessuno scambio effettuato.</translation>
    </message>
    <message>
        <source>Team players</source>
        <translation>Rosa della squadra</translation>
    </message>
    <message>
        <source>&lt;-- Xchange --&gt;</source>
        <translation>&lt;-- Scambia --&gt;</translation>
    </message>
    <message>
        <source>Exchange with</source>
        <translation>Scambia con</translation>
    </message>
    <message>
        <source>Find in exchange tree</source>
        <translation>Cerca nell&apos;albero di scambio</translation>
    </message>
    <message>
        <source>Sign</source>
        <extracomment>Button: the chosen player joins this team (signs a contract)</extracomment>
        <translation>Ingaggia</translation>
    </message>
    <message>
        <source>Move the player chosen in the exchange tree into this team</source>
        <translation>Sposta in questa squadra il giocatore scelto nell&apos;albero di scambio</translation>
    </message>
    <message>
        <source>Release</source>
        <extracomment>Button: the player leaves this team</extracomment>
        <translation>Cedi</translation>
    </message>
    <message>
        <source>Move the selected player into the team chosen in the exchange tree, or out of any team</source>
        <translation>Sposta il giocatore selezionato nella squadra scelta nell&apos;albero di scambio, o fuori da ogni squadra</translation>
    </message>
    <message>
        <source>Sign free player...</source>
        <translation>Svincolati...</translation>
    </message>
    <message>
        <source>Choose a player without a team to join this team</source>
        <translation>Scegli un giocatore senza squadra da inserire in questa squadra</translation>
    </message>
    <message>
        <source>New player...</source>
        <translation>Nuovo giocatore...</translation>
    </message>
    <message>
        <source>A copy of the selected player with new names, in this team</source>
        <translation>Una copia del giocatore selezionato con nuovi nomi, in questa squadra</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Edit team</source>
        <translation>&lt;&lt;&lt; Modifica squadra</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation>Applica</translation>
    </message>
    <message>
        <source>&lt;-- double click on player for quick edit</source>
        <translation>&lt;-- doppio clic su un giocatore per modificarlo</translation>
    </message>
    <message>
        <source>Invalid index</source>
        <translation>Indice non valido</translation>
    </message>
    <message>
        <source>exchange %1 and %2</source>
        <translation>scambio di %1 e %2</translation>
    </message>
    <message>
        <source>No team is shown.</source>
        <translation>Nessuna squadra mostrata.</translation>
    </message>
    <message>
        <source>Choose the player to sign in the exchange tree.</source>
        <translation>Scegli nell&apos;albero di scambio il giocatore da ingaggiare.</translation>
    </message>
    <message>
        <source>sign %1</source>
        <translation>ingaggio di %1</translation>
    </message>
    <message>
        <source>%1 was not signed</source>
        <translation>%1 non è stato ingaggiato</translation>
    </message>
    <message>
        <source>Choose the player to release in the roster.</source>
        <translation>Scegli nella rosa il giocatore da cedere.</translation>
    </message>
    <message>
        <source>release %1 to %2</source>
        <translation>cessione di %1 a %2</translation>
    </message>
    <message>
        <source>release %1</source>
        <translation>cessione di %1</translation>
    </message>
    <message>
        <source>%1 was not released</source>
        <translation>%1 non è stato ceduto</translation>
    </message>
    <message>
        <source>Every player is in a team.</source>
        <translation>Ogni giocatore è in una squadra.</translation>
    </message>
    <message>
        <source>Choose the player to copy in the roster.</source>
        <translation>Scegli nella rosa il giocatore da copiare.</translation>
    </message>
    <message>
        <source>new player %1</source>
        <translation>nuovo giocatore %1</translation>
    </message>
    <message>
        <source>No new player</source>
        <translation>Nessun nuovo giocatore</translation>
    </message>
</context>
<context>
    <name>qira::table_model</name>
    <message>
        <source>edit %1 %2</source>
        <translation>modifica %1 %2</translation>
    </message>
    <message>
        <source>%1: %2, %3 bits (descriptor words %4 and %5)</source>
        <extracomment>%1: the field; %2: what part of the row it is; %3 to %5: where it is stored</extracomment>
        <translation>%1: %2, %3 bit (parole del descrittore %4 e %5)</translation>
    </message>
    <message>
        <source>%1: %2, %3 bits (descriptor words %4 and %5); names a row of table %6 (%7) by its id</source>
        <extracomment>%1: the field; %2: what part of the row it is; %3 to %5: where it is stored; %6 and %7: the number and the name of the table whose rows it names</extracomment>
        <translation>%1: %2, %3 bit (parole del descrittore %4 e %5); indica per id una riga della tabella %6 (%7)</translation>
    </message>
    <message>
        <source>%1: %2, a whole word</source>
        <extracomment>%1: the field; %2: what part of the row it is</extracomment>
        <translation>%1: %2, una parola intera</translation>
    </message>
    <message>
        <source>%1: %2, a whole word; names a row of table %3 (%4) by its id</source>
        <extracomment>%1: the field; %2: what part of the row it is; %3 and %4: the number and the name of the table whose rows it names</extracomment>
        <translation>%1: %2, una parola intera; indica per id una riga della tabella %3 (%4)</translation>
    </message>
</context>
<context>
    <name>qira::tables_window</name>
    <message numerus="yes">
        <source>%1  %2  (%Ln rows)</source>
        <extracomment>%1: the table&apos;s number; %2: its name; %n: how many rows it has</extracomment>
        <translation>
            <numerusform>%1  %2  (%Ln riga)</numerusform>
            <numerusform>%1  %2  (%Ln righe)</numerusform>
        </translation>
    </message>
    <message>
        <source>All tables - %1</source>
        <extracomment>%1: the program&apos;s name</extracomment>
        <translation>Tutte le tabelle - %1</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importa CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Tables</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Columns named...</source>
        <translation>Colonne con nome...</translation>
    </message>
    <message>
        <source>Show only the columns whose name contains</source>
        <translation>Mostra solo le colonne il cui nome contiene</translation>
    </message>
    <message>
        <source>Filter all columns (Ctrl+F)</source>
        <translation>Filtra tutte le colonne (Ctrl+F)</translation>
    </message>
    <message>
        <source>Filter over all columns</source>
        <translation>Filtro su tutte le colonne</translation>
    </message>
    <message>
        <source>Rows shown</source>
        <translation>Righe mostrate</translation>
    </message>
    <message>
        <source>Rows of the table</source>
        <translation>Righe della tabella</translation>
    </message>
    <message>
        <source>Insert copy</source>
        <translation>Inserisci copia</translation>
    </message>
    <message>
        <source>Insert a copy of each selected row after it</source>
        <translation>Inserisci una copia di ogni riga selezionata dopo di essa</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Button: deletes the selected rows</extracomment>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete the selected rows</source>
        <translation>Elimina le righe selezionate</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Esporta CSV...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importa CSV...</translation>
    </message>
    <message>
        <source>Replace the rows of this table by a CSV file&apos;s</source>
        <translation>Sostituisci le righe di questa tabella con quelle di un file CSV</translation>
    </message>
    <message>
        <source>Fill...</source>
        <translation>Riempi...</translation>
    </message>
    <message>
        <source>Set the selected cells to one value</source>
        <translation>Imposta le celle selezionate a un unico valore</translation>
    </message>
    <message>
        <source>Adjust...</source>
        <translation>Regola...</translation>
    </message>
    <message>
        <source>Add to or multiply the current column&apos;s values in every row the filters show</source>
        <translation>Somma o moltiplica i valori della colonna corrente in ogni riga mostrata dai filtri</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Tables status</source>
        <translation>Stato tabelle</translation>
    </message>
    <message>
        <source>Not adjusted: choose a cell of the column to adjust.</source>
        <translation>Non regolato: scegli una cella della colonna da regolare.</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Ordina per nome</translation>
    </message>
    <message>
        <source>Sort by number</source>
        <translation>Ordina per numero</translation>
    </message>
    <message>
        <source>Sort the current column by the names of the rows it names (again: the other way)</source>
        <translation>Ordina la colonna corrente per i nomi delle righe che indica (di nuovo: in senso inverso)</translation>
    </message>
    <message>
        <source>Sort the current column by its values (again: the other way)</source>
        <translation>Ordina la colonna corrente per i suoi valori (di nuovo: in senso inverso)</translation>
    </message>
    <message>
        <source>Not sorted: choose a cell of the column to sort by.</source>
        <translation>Non ordinato: scegli una cella della colonna in base a cui ordinare.</translation>
    </message>
    <message>
        <source>%1 names no rows: sorted by its values.</source>
        <extracomment>%1: the column</extracomment>
        <translation>%1 non indica righe: ordinato per valori.</translation>
    </message>
    <message>
        <source>Sorted by %1 (names, ascending).</source>
        <translation>Ordinato per %1 (nomi, crescente).</translation>
    </message>
    <message>
        <source>Sorted by %1 (names, descending).</source>
        <translation>Ordinato per %1 (nomi, decrescente).</translation>
    </message>
    <message>
        <source>Sorted by %1 (values, ascending).</source>
        <translation>Ordinato per %1 (valori, crescente).</translation>
    </message>
    <message>
        <source>Sorted by %1 (values, descending).</source>
        <translation>Ordinato per %1 (valori, decrescente).</translation>
    </message>
    <message>
        <source>%L1 of %L2 rows</source>
        <extracomment>%1: the rows the filters show; %2: all rows of the table</extracomment>
        <translation>%L1 righe su %L2</translation>
    </message>
    <message>
        <source>insert %1 row copies in table %2</source>
        <extracomment>%1: how many rows; %2: the table&apos;s number</extracomment>
        <translation>inserimento di %1 copie di righe nella tabella %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows inserted.</source>
        <translation>
            <numerusform>%Ln riga inserita.</numerusform>
            <numerusform>%Ln righe inserite.</numerusform>
        </translation>
    </message>
    <message>
        <source>delete %1 rows of table %2</source>
        <extracomment>%1: how many rows; %2: the table&apos;s number</extracomment>
        <translation>eliminazione di %1 righe della tabella %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows deleted.</source>
        <translation>
            <numerusform>%Ln riga eliminata.</numerusform>
            <numerusform>%Ln righe eliminate.</numerusform>
        </translation>
    </message>
    <message>
        <source>no table is shown</source>
        <translation>nessuna tabella mostrata</translation>
    </message>
    <message>
        <source>Table %1 exported to %2 (%L3 rows).</source>
        <extracomment>%1: the table&apos;s number; %2: the file; %3: how many rows</extracomment>
        <translation>Tabella %1 esportata in %2 (%L3 righe).</translation>
    </message>
    <message>
        <source>import %1 into table %2</source>
        <extracomment>%1: the CSV file; %2: the table&apos;s number</extracomment>
        <translation>importazione di %1 nella tabella %2</translation>
    </message>
    <message>
        <source>%1 Warning: %2</source>
        <extracomment>%1: what the import did; %2: what the user should know about it</extracomment>
        <translation>%1 Attenzione: %2</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Riempi</translation>
    </message>
    <message>
        <source>Value for the selected cells:</source>
        <translation>Valore per le celle selezionate:</translation>
    </message>
    <message>
        <source>Adjust %1</source>
        <extracomment>%1: the column</extracomment>
        <translation>Regola %1</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>How to adjust the values: add the amount to each, or multiply each by it</extracomment>
        <translation>Somma</translation>
    </message>
    <message>
        <source>Multiply by</source>
        <translation>Moltiplica per</translation>
    </message>
    <message>
        <source>Adjust by</source>
        <translation>Regola con</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Quantità</translation>
    </message>
    <message>
        <source>&amp;Adjust</source>
        <translation>&amp;Regola</translation>
    </message>
    <message>
        <source>A&amp;mount</source>
        <translation>&amp;Quantità</translation>
    </message>
    <message>
        <source>Every row the filters show; each value held within its field&apos;s range.</source>
        <translation>Ogni riga mostrata dai filtri; ogni valore resta entro l&apos;intervallo del suo campo.</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>%1: the row&apos;s number; %2: the column; %3: the problem</extracomment>
        <translation>riga %1, colonna %2: %3</translation>
    </message>
    <message>
        <source>Not copied: select one rectangle of cells.</source>
        <translation>Non copiato: seleziona un solo rettangolo di celle.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells copied.</source>
        <translation>
            <numerusform>%Ln cella copiata.</numerusform>
            <numerusform>%Ln celle copiate.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not pasted: choose the cell to paste from.</source>
        <translation>Non incollato: scegli la cella da cui incollare.</translation>
    </message>
    <message>
        <source>Not pasted</source>
        <translation>Non incollato</translation>
    </message>
    <message>
        <source>paste %1 cells in table %2</source>
        <extracomment>%1: how many cells; %2: the table&apos;s number</extracomment>
        <translation>incolla %1 celle nella tabella %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells pasted.</source>
        <translation>
            <numerusform>%Ln cella incollata.</numerusform>
            <numerusform>%Ln celle incollate.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not filled</source>
        <translation>Non riempito</translation>
    </message>
    <message>
        <source>fill %1 cells of table %2</source>
        <extracomment>%1: how many cells; %2: the table&apos;s number</extracomment>
        <translation>riempimento di %1 celle della tabella %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells filled with %1.</source>
        <extracomment>%1: the value typed</extracomment>
        <translation>
            <numerusform>%Ln cella riempita con %1.</numerusform>
            <numerusform>%Ln celle riempite con %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not adjusted</source>
        <translation>Non regolato</translation>
    </message>
    <message>
        <source>adjust %1 of %2 rows</source>
        <extracomment>%1: the column; %2: how many rows</extracomment>
        <translation>regolazione di %1 in %2 righe</translation>
    </message>
    <message numerus="yes">
        <source>%1 adjusted in %Ln rows.</source>
        <extracomment>%1: the column; %n: how many rows</extracomment>
        <translation>
            <numerusform>%1 regolato in %Ln riga.</numerusform>
            <numerusform>%1 regolato in %Ln righe.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 adjusted in %2 rows; %3 held at the end of the field&apos;s range.</source>
        <translation>%1 regolato in %2 righe; %3 fermati al limite dell&apos;intervallo del campo.</translation>
    </message>
    <message>
        <source>Not inserted: %1</source>
        <extracomment>%1: why the rows were not inserted</extracomment>
        <translation>Righe non inserite: %1</translation>
    </message>
    <message>
        <source>Not deleted: %1</source>
        <extracomment>%1: why the rows were not deleted</extracomment>
        <translation>Righe non eliminate: %1</translation>
    </message>
</context>
<context>
    <name>qira::team_page</name>
    <message>
        <source>Apply roster %1</source>
        <extracomment>Undo step of the roster page&apos;s Apply; %1: the team</extracomment>
        <translation>Modifiche rosa %1</translation>
    </message>
    <message>
        <source>Name long</source>
        <translation>Nome lungo</translation>
    </message>
    <message>
        <source>Name (5)</source>
        <translation>Nome (5)</translation>
    </message>
    <message>
        <source>Name (10)</source>
        <translation>Nome (10)</translation>
    </message>
    <message>
        <source>Team prestige</source>
        <translation>Prestigio squadra</translation>
    </message>
    <message>
        <source>Formation</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Attack style</source>
        <translation>Stile d&apos;attacco</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stadio</translation>
    </message>
    <message>
        <source>Captain</source>
        <translation>Capitano</translation>
    </message>
    <message>
        <source>Penaltist</source>
        <translation>Rigorista</translation>
    </message>
    <message>
        <source>Edit team players &gt;&gt;&gt;</source>
        <translation>Modifica rosa &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Apply team %1</source>
        <extracomment>Undo step of the team page&apos;s Apply; %1: the team</extracomment>
        <translation>Modifiche squadra %1</translation>
    </message>
</context>
<context>
    <name>qira::tree_find</name>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Cerca (Ctrl+F)</translation>
    </message>
    <message>
        <source>Name or part of a name, any case, accents optional; a number or #number finds a player by id. Enter or F3: next, Shift+Enter or Shift+F3: previous, Esc: back to the tree.</source>
        <translation>Nome o parte di un nome, maiuscole o minuscole, accenti facoltativi; un numero o #numero trova un giocatore per id. Enter o F3: successivo, Shift+Enter o Shift+F3: precedente, Esc: torna all&apos;albero.</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button that empties the find field</extracomment>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <extracomment>The clear button&apos;s name for screen readers; %1: the find field&apos;s name (&quot;find in tree&quot;)</extracomment>
        <translation>Svuota %1</translation>
    </message>
    <message>
        <source>Clear the find field</source>
        <translation>Svuota il campo di ricerca</translation>
    </message>
    <message>
        <source>%L1 of %L2</source>
        <extracomment>Which match of the find is shown: %1 of %2 matches</extracomment>
        <translation>%L1/%L2</translation>
    </message>
    <message>
        <source>no match</source>
        <translation>nessun risultato</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 risultato</translation>
    </message>
    <message numerus="yes">
        <source>%Ln matches</source>
        <translation>
            <numerusform>%Ln risultato</numerusform>
            <numerusform>%Ln risultati</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::undo_buttons</name>
    <message>
        <source>Undo %1 (%2)</source>
        <extracomment>%1: the step Undo takes back (e.g. &quot;Apply player Ann Lee&quot;); %2: its keys</extracomment>
        <translation>Annulla %1 (%2)</translation>
    </message>
    <message>
        <source>Redo %1 (%2)</source>
        <translation>Ripeti %1 (%2)</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1: the step Undo takes back (e.g. &quot;Apply player Ann Lee&quot;)</extracomment>
        <translation>Annulla %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ripeti %1</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Niente da annullare</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Niente da ripetere</translation>
    </message>
</context>
</TS>
