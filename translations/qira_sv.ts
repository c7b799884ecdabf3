<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Förkasta</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Window language</source>
        <translation>Fönstrets språk</translation>
    </message>
    <message>
        <source>The language of the editor&apos;s window, from its next start</source>
        <translation>Språket i redigerarens fönster, från nästa start</translation>
    </message>
    <message>
        <source>The choice of language could not be stored.</source>
        <translation>Språkvalet kunde inte sparas.</translation>
    </message>
    <message>
        <source>The window speaks %1.</source>
        <translation>Fönstrets språk är %1.</translation>
    </message>
    <message>
        <source>The window will speak %1 from the editor&apos;s next start.</source>
        <translation>Fönstrets språk blir %1 från redigerarens nästa start.</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Öppna databas</translation>
    </message>
    <message>
        <source>Game folder...</source>
        <translation>Spelmapp...</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes the open game&apos;s files without leaving the editor</extracomment>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Spara ändringar</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Quits the editor</extracomment>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Save changes as patch...</source>
        <translation>Spara ändringar som patch...</translation>
    </message>
    <message>
        <source>Apply patch...</source>
        <translation>Verkställ patch...</translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation>Jämför med...</translation>
    </message>
    <message>
        <source>Merge patches...</source>
        <translation>Slå samman patchar...</translation>
    </message>
    <message>
        <source>Finish Editing...</source>
        <extracomment>Leaves the pages for the start screen, where the game is saved or closed</extracomment>
        <translation>Avsluta redigering...</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Takes back the last change</extracomment>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Makes again the last change taken back</extracomment>
        <translation>Gör om</translation>
    </message>
    <message>
        <source>All tables...</source>
        <translation>Alla tabeller...</translation>
    </message>
    <message>
        <source>Check game...</source>
        <translation>Kontrollera spelet...</translation>
    </message>
    <message>
        <source>QIRA 2004 was not found: choose its folder with &quot;Game folder...&quot;.</source>
        <translation>QIRA 2004 hittades inte: välj dess mapp med &quot;Spelmapp...&quot;.</translation>
    </message>
    <message>
        <source>Continue Editing...</source>
        <translation>Fortsätt redigera...</translation>
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
        <translation>Välj ligor, lag och spelare till vänster.
Och redigera deras egenskaper till höger.
Glöm inte att spara ändringarna med knappen &apos;Verkställ&apos;.

Klicka på &apos;Avsluta redigering&apos; uppe till vänster
för att gå till huvudskärmen (där kan du till sist spara
alla ändringar med knappen &apos;Spara ändringar&apos;)

Du kan ändra ligornas och lagens namn för 
spelet, men de ändras inte i det här programmet</translation>
    </message>
    <message>
        <source>Find in tree</source>
        <translation>Sök i trädet</translation>
    </message>
    <message>
        <source>Leagues, teams and players</source>
        <translation>Ligor, lag och spelare</translation>
    </message>
    <message>
        <source>Every table and field in a grid (Ctrl+T)</source>
        <translation>Alla tabeller och fält i ett rutnät (Ctrl+T)</translation>
    </message>
    <message>
        <source>References between the tables that point nowhere, and other problems</source>
        <translation>Referenser mellan tabellerna som inte pekar någonstans, och andra problem</translation>
    </message>
    <message>
        <source>An editor for the data files of QIRA 2004.
It changes the leagues, teams and players of an installed game:
titles and names, formations, stadiums, captains, squad numbers
and player attributes, and players can change teams.</source>
        <translation>Ett redigeringsprogram för datafilerna i QIRA 2004.
Det ändrar ligor, lag och spelare i ett installerat spel:
titlar och namn, formationer, arenor, lagkaptener, tröjnummer
och spelaregenskaper, och spelare kan byta lag.</translation>
    </message>
    <message>
        <source>This program is not made or supported by the makers of the game.
Keep a copy of the data\cmn folder before you save changes.</source>
        <translation>Det här programmet är inte gjort av spelets tillverkare och stöds inte av dem.
Behåll en kopia av mappen data\cmn innan du sparar ändringar.</translation>
    </message>
    <message>
        <source>Choose the game&apos;s folder</source>
        <translation>Välj spelets mapp</translation>
    </message>
    <message>
        <source>Language file</source>
        <translation>Språkfil</translation>
    </message>
    <message>
        <source>Write what you changed since opening as a patch file to share</source>
        <translation>Skriv det du har ändrat sedan öppnandet som en patchfil att dela</translation>
    </message>
    <message>
        <source>Apply a patch file to the open game, as one step that can be undone</source>
        <translation>Verkställ en patchfil på det öppna spelet, som ett steg som kan ångras</translation>
    </message>
    <message>
        <source>Compare the open game with another install&apos;s and take over the differences you tick (Ctrl+Shift+D)</source>
        <translation>Jämför det öppna spelet med en annan installations och ta över skillnaderna du bockar för (Ctrl+Shift+D)</translation>
    </message>
    <message>
        <source>Compare with another game</source>
        <translation>Jämför med ett annat spel</translation>
    </message>
    <message>
        <source>Merge two patch files made on the open game, choose a side where they disagree and apply (Ctrl+Shift+M)</source>
        <translation>Slå samman två patchfiler gjorda på det öppna spelet, välj sida där de skiljer sig åt och verkställ (Ctrl+Shift+M)</translation>
    </message>
    <message>
        <source>Merge two patches</source>
        <translation>Slå samman två patchar</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>The name screen readers give the start screen&apos;s status line</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>League</source>
        <extracomment>Tab title of the page of a league</extracomment>
        <translation>Liga</translation>
    </message>
    <message>
        <source>Team</source>
        <extracomment>Tab title of the page of a team</extracomment>
        <translation>Lag</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Tab title of the page of a player</extracomment>
        <translation>Spelare</translation>
    </message>
    <message>
        <source>blank</source>
        <extracomment>Tab title of the page that moves players between teams (it has always read &quot;blank&quot;)</extracomment>
        <translation>tom</translation>
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
        <translation>liga-id %1 är också id för %2</translation>
    </message>
    <message>
        <source>league %1 has no name in the language file</source>
        <translation>liga %1 har inget namn i språkfilen</translation>
    </message>
    <message>
        <source>player id %1 is also the id of %2</source>
        <translation>spelar-id %1 är också id för %2</translation>
    </message>
    <message>
        <source>stadium id %1 is also the id of %2</source>
        <translation>arena-id %1 är också id för %2</translation>
    </message>
    <message>
        <source>stadium %1 has no name in the language file</source>
        <translation>arena %1 har inget namn i språkfilen</translation>
    </message>
    <message>
        <source>team id %1 is also the id of %2</source>
        <translation>lag-id %1 är också id för %2</translation>
    </message>
    <message>
        <source>team %1 has no name in the language file</source>
        <translation>lag %1 har inget namn i språkfilen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a row of the game database, %2 what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>player %1 is in team %2 twice (also %3)</source>
        <translation>spelare %1 finns två gånger i lag %2 (även %3)</translation>
    </message>
    <message>
        <source>players %1 and %2 of team %3 both wear number %4 (also %5)</source>
        <translation>spelarna %1 och %2 i lag %3 har båda nummer %4 (även %5)</translation>
    </message>
    <message>
        <source>team %1 has no row in table 9 (team settings)</source>
        <translation>lag %1 har ingen rad i tabell 9 (laginställningar)</translation>
    </message>
    <message>
        <source>captain %1 of team %2 is not in the team</source>
        <translation>lagkapten %1 i lag %2 är inte med i laget</translation>
    </message>
    <message>
        <source>penalty taker %1 of team %2 is not in the team</source>
        <translation>straffskytt %1 i lag %2 är inte med i laget</translation>
    </message>
    <message>
        <source>nation</source>
        <translation>nation</translation>
    </message>
    <message>
        <source>league</source>
        <translation>liga</translation>
    </message>
    <message>
        <source>league-team link</source>
        <translation>koppling liga-lag</translation>
    </message>
    <message>
        <source>referee</source>
        <translation>domare</translation>
    </message>
    <message>
        <source>player</source>
        <translation>spelare</translation>
    </message>
    <message>
        <source>kit</source>
        <translation>dräkt</translation>
    </message>
    <message>
        <source>cup</source>
        <translation>cup</translation>
    </message>
    <message>
        <source>stadium</source>
        <translation>arena</translation>
    </message>
    <message>
        <source>tactic</source>
        <translation>taktik</translation>
    </message>
    <message>
        <source>team settings</source>
        <translation>laginställningar</translation>
    </message>
    <message>
        <source>fixture</source>
        <translation>match</translation>
    </message>
    <message>
        <source>team-player link</source>
        <translation>koppling lag-spelare</translation>
    </message>
    <message>
        <source>manager</source>
        <translation>tränare</translation>
    </message>
    <message>
        <source>team</source>
        <translation>lag</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>inställning</translation>
    </message>
    <message>
        <source>row of table %1</source>
        <translation>rad i tabell %1</translation>
    </message>
    <message>
        <source>%1 %2 does not exist</source>
        <extracomment>%1 is what a row is (player, team, ...), %2 its id</extracomment>
        <translation>%1 %2 finns inte</translation>
    </message>
    <message>
        <source>%1 %2: its %3 %4 does not exist</source>
        <extracomment>%1 %2: the row holding the reference (what it is, its id); %3 %4: the row it names</extracomment>
        <translation>%1 %2: hänvisar till %3 %4, som inte finns</translation>
    </message>
    <message>
        <source>%1 %2: its %3 %4 (%5) does not exist</source>
        <extracomment>as &quot;%1 %2: its %3 %4 does not exist&quot;, %5 the field holding the reference</extracomment>
        <translation>%1 %2: hänvisar till %3 %4 (%5), som inte finns</translation>
    </message>
</context>
<context>
    <name>qira::check_commands</name>
    <message numerus="yes">
        <source>and %Ln more</source>
        <extracomment>The last line of a list of problems; %Ln: how many more are not listed</extracomment>
        <translation>
            <numerusform>och %Ln till</numerusform>
            <numerusform>och %Ln till</numerusform>
        </translation>
    </message>
    <message>
        <source>The changes leave a problem the files did not have:

%1

Save anyway?</source>
        <extracomment>%1: the problem, on its own line</extracomment>
        <translation>Ändringarna lämnar ett problem som filerna inte hade:

%1

Spara ändå?</translation>
    </message>
    <message numerus="yes">
        <source>The changes leave %Ln problems the files did not have:

%1

Save anyway?</source>
        <extracomment>%Ln: how many problems (two or more); %1: the problems, one a line</extracomment>
        <translation>
            <numerusform>Ändringarna lämnar %Ln problem som filerna inte hade:

%1

Spara ändå?</numerusform>
            <numerusform>Ändringarna lämnar %Ln problem som filerna inte hade:

%1

Spara ändå?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::check_window</name>
    <message>
        <source>Check game</source>
        <translation>Kontrollera spelet</translation>
    </message>
    <message>
        <source>Check summary</source>
        <translation>Sammanfattning av kontrollen</translation>
    </message>
    <message>
        <source>Problems of the game</source>
        <translation>Spelets problem</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Kontrollera igen</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <extracomment>%1: the number of problems (&quot;1 problem&quot;, &quot;3 problems&quot;); %2: how many of them are new</extracomment>
        <translation>Inga problem hittades.</translation>
    </message>
    <message>
        <source>%1, %L2 of them made since the files were opened. Double-click one to show its row.</source>
        <translation>%1, varav %L2 har uppstått sedan filerna öppnades. Dubbelklicka på ett för att visa dess rad.</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 problem</translation>
    </message>
    <message numerus="yes">
        <source>%Ln problems</source>
        <translation>
            <numerusform>%Ln problem</numerusform>
            <numerusform>%Ln problem</numerusform>
        </translation>
    </message>
    <message>
        <source>%1  (in the files as opened)</source>
        <translation>%1  (i filerna som de öppnades)</translation>
    </message>
</context>
<context>
    <name>qira::csv</name>
    <message>
        <source>the database has no table %1</source>
        <translation>databasen har ingen tabell %1</translation>
    </message>
    <message>
        <source>%1 problem</source>
        <translation>%1 problem</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 problem</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ett fält inom citattecken avslutas inte</translation>
    </message>
    <message>
        <source>the file is UTF-16 text (big-endian), broken at byte %1: an odd number of bytes or half a character</source>
        <translation>filen är UTF-16-text (big-endian), trasig vid byte %1: ett udda antal byte eller ett halvt tecken</translation>
    </message>
    <message>
        <source>the file is UTF-16 text (little-endian), broken at byte %1: an odd number of bytes or half a character</source>
        <translation>filen är UTF-16-text (little-endian), trasig vid byte %1: ett udda antal byte eller ett halvt tecken</translation>
    </message>
    <message>
        <source>the file looks like UTF-16 text without a byte-order mark (a NUL in every other byte); save it as CSV UTF-8, or as Unicode text with its byte-order mark</source>
        <translation>filen ser ut att vara UTF-16-text utan byteordningsmarkering (en NUL i varannan byte); spara den som CSV UTF-8, eller som Unicode-text med byteordningsmarkering</translation>
    </message>
    <message>
        <source>no field of table %1 has this name</source>
        <translation>inget fält i tabell %1 har det här namnet</translation>
    </message>
    <message>
        <source>the column is repeated</source>
        <translation>kolumnen förekommer flera gånger</translation>
    </message>
    <message>
        <source>the header has %1 columns; table %2 has %3 column</source>
        <translation>rubrikraden har %1 kolumner; tabell %2 har %3 kolumn</translation>
    </message>
    <message>
        <source>the header has %1 columns; table %2 has %3 columns</source>
        <translation>rubrikraden har %1 kolumner; tabell %2 har %3 kolumner</translation>
    </message>
    <message>
        <source>the column is missing</source>
        <translation>kolumnen saknas</translation>
    </message>
    <message>
        <source>%1 fields, but the header has %2</source>
        <translation>%1 fält, men rubrikraden har %2</translation>
    </message>
    <message>
        <source>the file is empty; it needs a header of the table&apos;s field names</source>
        <translation>filen är tom; den behöver en rubrikrad med tabellens fältnamn</translation>
    </message>
    <message>
        <source>%1 imported into table %2: %3 row</source>
        <translation>%1 importerades till tabell %2: %3 rad</translation>
    </message>
    <message>
        <source>%1 imported into table %2: %3 rows</source>
        <translation>%1 importerades till tabell %2: %3 rader</translation>
    </message>
    <message>
        <source>%1 matched by key</source>
        <translation>%1 matchades via nyckel</translation>
    </message>
    <message>
        <source>%1 placed by position</source>
        <translation>%1 placerades efter position</translation>
    </message>
    <message>
        <source>%1 new</source>
        <translation>%1 lades till</translation>
    </message>
    <message>
        <source>%1 with a repeated key</source>
        <translation>%1 med upprepad nyckel</translation>
    </message>
    <message>
        <source>%1 text of %2 is not valid UTF-8 and was kept as its bytes; was the file saved in another encoding?</source>
        <translation>%1 text i %2 är inte giltig UTF-8 och behölls som råa byte; sparades filen med en annan teckenkodning?</translation>
    </message>
    <message>
        <source>%1 texts of %2 are not valid UTF-8 and were kept as their bytes; was the file saved in another encoding?</source>
        <translation>%1 texter i %2 är inte giltig UTF-8 och behölls som råa byte; sparades filen med en annan teckenkodning?</translation>
    </message>
    <message>
        <source>the table has no key fields</source>
        <translation>tabellen har inga nyckelfält</translation>
    </message>
    <message>
        <source>the table&apos;s keys are not unique</source>
        <translation>tabellens nycklar är inte unika</translation>
    </message>
</context>
<context>
    <name>qira::edit</name>
    <message>
        <source>there is no table %1</source>
        <translation>det finns ingen tabell %1</translation>
    </message>
    <message>
        <source>no row is selected</source>
        <translation>ingen rad är markerad</translation>
    </message>
    <message>
        <source>%1 is not a text</source>
        <translation>%1 är inte en text</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 är inte ett heltal</translation>
    </message>
    <message>
        <source>%1 does not fit in %2 bit</source>
        <translation>%1 ryms inte i %2 bit</translation>
    </message>
    <message>
        <source>%1 does not fit in %2 bits</source>
        <translation>%1 ryms inte i %2 bitar</translation>
    </message>
    <message>
        <source>%1 does not fit in 32 bits</source>
        <translation>%1 ryms inte i 32 bitar</translation>
    </message>
    <message>
        <source>there is no such cell</source>
        <translation>det finns ingen sådan cell</translation>
    </message>
    <message>
        <source>table %1 would have %2 rows; a table holds at most %3</source>
        <translation>tabell %1 skulle få %2 rader; en tabell rymmer högst %3</translation>
    </message>
    <message>
        <source>table %1 would have %2 row words; a table holds at most %3</source>
        <translation>tabell %1 skulle få %2 radord; en tabell rymmer högst %3</translation>
    </message>
    <message>
        <source>%1 value does not fit; nothing was changed</source>
        <translation>%1 värde ryms inte; inget ändrades</translation>
    </message>
    <message>
        <source>%1 values do not fit; nothing was changed</source>
        <translation>%1 värden ryms inte; inget ändrades</translation>
    </message>
    <message>
        <source>there is no cell to paste into</source>
        <translation>det finns ingen cell att klistra in i</translation>
    </message>
    <message>
        <source>there is nothing to paste</source>
        <translation>det finns inget att klistra in</translation>
    </message>
    <message>
        <source>the text runs past the last shown row: it has %1 row, and %2 row is shown from the current cell on; nothing was changed</source>
        <translation>texten sträcker sig förbi den sista visade raden: den har %1 rad, och %2 rad visas från den aktuella cellen och nedåt; inget ändrades</translation>
    </message>
    <message>
        <source>the text runs past the last shown row: it has %1 row, and %2 rows are shown from the current cell on; nothing was changed</source>
        <translation>texten sträcker sig förbi den sista visade raden: den har %1 rad, och %2 rader visas från den aktuella cellen och nedåt; inget ändrades</translation>
    </message>
    <message>
        <source>the text runs past the last shown row: it has %1 rows, and %2 row is shown from the current cell on; nothing was changed</source>
        <translation>texten sträcker sig förbi den sista visade raden: den har %1 rader, och %2 rad visas från den aktuella cellen och nedåt; inget ändrades</translation>
    </message>
    <message>
        <source>the text runs past the last shown row: it has %1 rows, and %2 rows are shown from the current cell on; nothing was changed</source>
        <translation>texten sträcker sig förbi den sista visade raden: den har %1 rader, och %2 rader visas från den aktuella cellen och nedåt; inget ändrades</translation>
    </message>
    <message>
        <source>the text runs past the last shown column: it has %1 column, and %2 column is shown from the current cell on; nothing was changed</source>
        <translation>texten sträcker sig förbi den sista visade kolumnen: den har %1 kolumn, och %2 kolumn visas från den aktuella cellen och åt höger; inget ändrades</translation>
    </message>
    <message>
        <source>the text runs past the last shown column: it has %1 column, and %2 columns are shown from the current cell on; nothing was changed</source>
        <translation>texten sträcker sig förbi den sista visade kolumnen: den har %1 kolumn, och %2 kolumner visas från den aktuella cellen och åt höger; inget ändrades</translation>
    </message>
    <message>
        <source>the text runs past the last shown column: it has %1 columns, and %2 column is shown from the current cell on; nothing was changed</source>
        <translation>texten sträcker sig förbi den sista visade kolumnen: den har %1 kolumner, och %2 kolumn visas från den aktuella cellen och åt höger; inget ändrades</translation>
    </message>
    <message>
        <source>the text runs past the last shown column: it has %1 columns, and %2 columns are shown from the current cell on; nothing was changed</source>
        <translation>texten sträcker sig förbi den sista visade kolumnen: den har %1 kolumner, och %2 kolumner visas från den aktuella cellen och åt höger; inget ändrades</translation>
    </message>
    <message>
        <source>there is no cell to fill</source>
        <translation>det finns ingen cell att fylla</translation>
    </message>
    <message>
        <source>there is no column to adjust</source>
        <translation>det finns ingen kolumn att justera</translation>
    </message>
    <message>
        <source>the amount is not a number</source>
        <translation>justeringsvärdet är inte ett tal</translation>
    </message>
    <message>
        <source>only packed values can be adjusted; %1 is a key</source>
        <translation>bara packade värden kan justeras; %1 är en nyckel</translation>
    </message>
    <message>
        <source>only packed values can be adjusted; %1 is a extra</source>
        <translation>bara packade värden kan justeras; %1 är ett extrafält</translation>
    </message>
    <message>
        <source>only packed values can be adjusted; %1 is a text</source>
        <translation>bara packade värden kan justeras; %1 är en text</translation>
    </message>
    <message>
        <source>team %1 does not exist</source>
        <translation>lag %1 finns inte</translation>
    </message>
    <message>
        <source>player %1 is already in team %2; a team holds a player once</source>
        <translation>spelare %1 finns redan i lag %2; en spelare kan bara finnas en gång i ett lag</translation>
    </message>
    <message>
        <source>team %1 has no free jersey number</source>
        <translation>lag %1 har inget ledigt tröjnummer</translation>
    </message>
    <message>
        <source>table 11 (team players) is missing or lacks its fields</source>
        <translation>tabell 11 (lagens spelare) saknas eller saknar fälten den behöver</translation>
    </message>
    <message>
        <source>no membership row %1</source>
        <translation>ingen medlemskapsrad %1</translation>
    </message>
    <message>
        <source>no player row %1</source>
        <translation>ingen spelarrad %1</translation>
    </message>
    <message>
        <source>no player id is left</source>
        <translation>inget ledigt spelar-id finns kvar</translation>
    </message>
</context>
<context>
    <name>qira::file_commands</name>
    <message>
        <source>Can&apos;t open %1 file!
<byte value="xd"/>Make sure QIRA 2004 fully installed</source>
        <extracomment>%1: the language file&apos;s name (eng.db)</extracomment>
        <translation>Kan inte öppna filen %1!
<byte value="xd"/>Se till att QIRA 2004 är fullständigt installerat</translation>
    </message>
    <message>
        <source>Can&apos;t open %1 file.
<byte value="xd"/>Make sure QIRA 2004 fully installed</source>
        <extracomment>%1: the game database&apos;s name (qira.db)</extracomment>
        <translation>Kan inte öppna filen %1.
<byte value="xd"/>Se till att QIRA 2004 är fullständigt installerat</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <extracomment>Title of the message box of a game file that did not load</extracomment>
        <translation>Allvarligt fel</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Title of the message box of a save that failed</extracomment>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Changes saved to %1 and %2.</source>
        <extracomment>%1: the game database&apos;s file name, %2: the language file&apos;s name</extracomment>
        <translation>Ändringarna sparades i %1 och %2.</translation>
    </message>
    <message>
        <source>There are changes that have not been saved. Discard them?</source>
        <translation>Det finns ändringar som inte har sparats. Förkasta dem?</translation>
    </message>
</context>
<context>
    <name>qira::filter_header</name>
    <message>
        <source>Filter</source>
        <extracomment>Placeholder of the field above a column that filters its rows</extracomment>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Filter of column %1</source>
        <translation>Filter för kolumnen %1</translation>
    </message>
    <message>
        <source>Rows whose %1 contains this text, or a comparison: =5, !=5, &gt;10, &lt;=3, 10..20</source>
        <extracomment>%1: the column&apos;s name</extracomment>
        <translation>Rader vars %1 innehåller den här texten, eller en jämförelse: =5, !=5, &gt;10, &lt;=3, 10..20</translation>
    </message>
</context>
<context>
    <name>qira::free_player_dialog</name>
    <message>
        <source>Sign free player</source>
        <translation>Värva fri spelare</translation>
    </message>
    <message>
        <source>Filter by name or id</source>
        <translation>Filtrera på namn eller id</translation>
    </message>
    <message>
        <source>Filter of players without a team</source>
        <translation>Filter för spelare utan lag</translation>
    </message>
    <message>
        <source>Players without a team</source>
        <translation>Spelare utan lag</translation>
    </message>
    <message>
        <source>&amp;Players without a team (%L1)</source>
        <translation>&amp;Spelare utan lag (%L1)</translation>
    </message>
</context>
<context>
    <name>qira::game_folder</name>
    <message>
        <source>The folder QIRA 2004 is installed in</source>
        <translation>Mappen som QIRA 2004 är installerat i</translation>
    </message>
    <message>
        <source>%1 holds no data\cmn\qira.db, so it is not the folder of QIRA 2004.

Choose the folder the game is installed in (the one that holds &quot;data&quot;).</source>
        <extracomment>%1: the folder chosen</extracomment>
        <translation>%1 innehåller ingen data\cmn\qira.db, så det är inte mappen för QIRA 2004.

Välj mappen som spelet är installerat i (den som innehåller &quot;data&quot;).</translation>
    </message>
    <message>
        <source>The game&apos;s folder is %1.</source>
        <extracomment>%1: the game&apos;s install folder</extracomment>
        <translation>Spelets mapp är %1.</translation>
    </message>
    <message>
        <source>The game&apos;s folder is %1 for now: it could not be remembered for the next start.</source>
        <extracomment>%1: the game&apos;s install folder</extracomment>
        <translation>Spelets mapp är %1 för tillfället: den kunde inte sparas till nästa start.</translation>
    </message>
</context>
<context>
    <name>qira::handler_values</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; är inte ett giltigt heltal</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listindex utanför gränserna (%1)</translation>
    </message>
</context>
<context>
    <name>qira::item_lists</name>
    <message>
        <source>Primier</source>
        <translation>Högsta</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Första</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Andra</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Tredje</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Övrig</translation>
    </message>
    <message>
        <source>Posession</source>
        <translation>Bollinnehav</translation>
    </message>
    <message>
        <source>Long ball</source>
        <translation>Långa bollar</translation>
    </message>
    <message>
        <source>Wing play</source>
        <translation>Kantspel</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Ej angiven</translation>
    </message>
    <message>
        <source>3-5-2 Attacking</source>
        <translation>3-5-2 Offensiv</translation>
    </message>
    <message>
        <source>3-5-2 Defensive</source>
        <translation>3-5-2 Defensiv</translation>
    </message>
    <message>
        <source>3-5-2 Neutral</source>
        <translation>3-5-2 Neutral</translation>
    </message>
    <message>
        <source>4-3-3 Neutral</source>
        <translation>4-3-3 Neutral</translation>
    </message>
    <message>
        <source>4-3-3 Defensive</source>
        <translation>4-3-3 Defensiv</translation>
    </message>
    <message>
        <source>4-3-3 Attacking</source>
        <translation>4-3-3 Offensiv</translation>
    </message>
    <message>
        <source>4-4-2 Neutral</source>
        <translation>4-4-2 Neutral</translation>
    </message>
    <message>
        <source>4-4-2 Defensive</source>
        <translation>4-4-2 Defensiv</translation>
    </message>
    <message>
        <source>4-4-2 Attacking</source>
        <translation>4-4-2 Offensiv</translation>
    </message>
    <message>
        <source>5-3-2 Neutral</source>
        <translation>5-3-2 Neutral</translation>
    </message>
    <message>
        <source>5-3-2 Defensive</source>
        <translation>5-3-2 Defensiv</translation>
    </message>
    <message>
        <source>5-3-2 Attacking</source>
        <translation>5-3-2 Offensiv</translation>
    </message>
    <message>
        <source>5-2-3 Neutral</source>
        <translation>5-2-3 Neutral</translation>
    </message>
    <message>
        <source>5-2-3 Defensive</source>
        <translation>5-2-3 Defensiv</translation>
    </message>
    <message>
        <source>5-2-3 Attacking</source>
        <translation>5-2-3 Offensiv</translation>
    </message>
    <message>
        <source>4-5-1 Neutral</source>
        <translation>4-5-1 Neutral</translation>
    </message>
    <message>
        <source>4-1-2-1-2 Neutral</source>
        <translation>4-1-2-1-2 Neutral</translation>
    </message>
    <message>
        <source>4-2-3-1 Neutral</source>
        <translation>4-2-3-1 Neutral</translation>
    </message>
    <message>
        <source>4-3-1-2 Neutral</source>
        <translation>4-3-1-2 Neutral</translation>
    </message>
    <message>
        <source>4-2-4 Neutral</source>
        <translation>4-2-4 Neutral</translation>
    </message>
    <message>
        <source>4-4-1-1 Neutral</source>
        <translation>4-4-1-1 Neutral</translation>
    </message>
    <message>
        <source>3-4-1-2 Neutral</source>
        <translation>3-4-1-2 Neutral</translation>
    </message>
    <message>
        <source>3-6-1 Neutral</source>
        <translation>3-6-1 Neutral</translation>
    </message>
    <message>
        <source>2-3-5 Neutral</source>
        <translation>2-3-5 Neutral</translation>
    </message>
    <message>
        <source>5-4-1 Neutral</source>
        <translation>5-4-1 Neutral</translation>
    </message>
    <message>
        <source>3-6-1 Attacking</source>
        <translation>3-6-1 Offensiv</translation>
    </message>
    <message>
        <source>3-6-1 Defensive</source>
        <translation>3-6-1 Defensiv</translation>
    </message>
    <message>
        <source>4-4-1-1 Attacking</source>
        <translation>4-4-1-1 Offensiv</translation>
    </message>
    <message>
        <source>3-4-3 Attacking</source>
        <translation>3-4-3 Offensiv</translation>
    </message>
    <message>
        <source>3-4-3 Defensive</source>
        <translation>3-4-3 Defensiv</translation>
    </message>
    <message>
        <source>3-4-3 Neutral</source>
        <translation>3-4-3 Neutral</translation>
    </message>
    <message>
        <source>2-3-5 Attacking</source>
        <translation>2-3-5 Offensiv</translation>
    </message>
    <message>
        <source>2-3-5 Defensive</source>
        <translation>2-3-5 Defensiv</translation>
    </message>
    <message>
        <source>3-4-1-2 Attacking</source>
        <translation>3-4-1-2 Offensiv</translation>
    </message>
    <message>
        <source>3-4-1-2 Defensive</source>
        <translation>3-4-1-2 Defensiv</translation>
    </message>
    <message>
        <source>4-1-2-1-2 Attacking</source>
        <translation>4-1-2-1-2 Offensiv</translation>
    </message>
    <message>
        <source>4-1-2-1-2 Defensive</source>
        <translation>4-1-2-1-2 Defensiv</translation>
    </message>
    <message>
        <source>4-2-3-1 Attacking</source>
        <translation>4-2-3-1 Offensiv</translation>
    </message>
    <message>
        <source>4-2-3-1 Defensive</source>
        <translation>4-2-3-1 Defensiv</translation>
    </message>
    <message>
        <source>4-2-4 Attacking</source>
        <translation>4-2-4 Offensiv</translation>
    </message>
    <message>
        <source>4-2-4 Defensive</source>
        <translation>4-2-4 Defensiv</translation>
    </message>
    <message>
        <source>4-3-1-2 Attacking</source>
        <translation>4-3-1-2 Offensiv</translation>
    </message>
    <message>
        <source>4-3-1-2 Defensive</source>
        <translation>4-3-1-2 Defensiv</translation>
    </message>
    <message>
        <source>4-4-1-1 Defensive</source>
        <translation>4-4-1-1 Defensiv</translation>
    </message>
    <message>
        <source>4-5-1 Attacking</source>
        <translation>4-5-1 Offensiv</translation>
    </message>
    <message>
        <source>4-5-1 Defensive</source>
        <translation>4-5-1 Defensiv</translation>
    </message>
    <message>
        <source>5-4-1 Attacking</source>
        <translation>5-4-1 Offensiv</translation>
    </message>
    <message>
        <source>5-4-1 Defensive</source>
        <translation>5-4-1 Defensiv</translation>
    </message>
    <message>
        <source>GK</source>
        <extracomment>Positions on the pitch, abbreviated as on a team sheet (GK goalkeeper, SW sweeper, RB right back, CB centre back, DM/CM/AM defensive/central/attacking midfielder, WM wide midfielder, CF centre forward, ST striker, Sub substitute, Res reserve)</extracomment>
        <translation>MV</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>LIB</translation>
    </message>
    <message>
        <source>RB</source>
        <translation>HB</translation>
    </message>
    <message>
        <source>RCB</source>
        <translation>HMB</translation>
    </message>
    <message>
        <source>CB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>LCB</source>
        <translation>VMB</translation>
    </message>
    <message>
        <source>LB</source>
        <translation>VB</translation>
    </message>
    <message>
        <source>RDM</source>
        <translation>HDM</translation>
    </message>
    <message>
        <source>RCDM</source>
        <translation>HCDM</translation>
    </message>
    <message>
        <source>CDM</source>
        <translation>CDM</translation>
    </message>
    <message>
        <source>LCDM</source>
        <translation>VCDM</translation>
    </message>
    <message>
        <source>LDM</source>
        <translation>VDM</translation>
    </message>
    <message>
        <source>RWM</source>
        <translation>HYM</translation>
    </message>
    <message>
        <source>RM</source>
        <translation>HM</translation>
    </message>
    <message>
        <source>RCM</source>
        <translation>HCM</translation>
    </message>
    <message>
        <source>CM</source>
        <translation>CM</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>VCM</translation>
    </message>
    <message>
        <source>LM</source>
        <translation>VM</translation>
    </message>
    <message>
        <source>LWM</source>
        <translation>VYM</translation>
    </message>
    <message>
        <source>RAM</source>
        <translation>HOM</translation>
    </message>
    <message>
        <source>RCAM</source>
        <translation>HCOM</translation>
    </message>
    <message>
        <source>CAM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>LCAM</source>
        <translation>VCOM</translation>
    </message>
    <message>
        <source>LAM</source>
        <translation>VOM</translation>
    </message>
    <message>
        <source>RCF</source>
        <translation>HCF</translation>
    </message>
    <message>
        <source>CF</source>
        <translation>CF</translation>
    </message>
    <message>
        <source>LCF</source>
        <translation>VCF</translation>
    </message>
    <message>
        <source>RS</source>
        <translation>HA</translation>
    </message>
    <message>
        <source>ST</source>
        <translation>ANF</translation>
    </message>
    <message>
        <source>LS</source>
        <translation>VA</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Avb</translation>
    </message>
    <message>
        <source>Res</source>
        <translation>Res</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Svart</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Brun</translation>
    </message>
    <message>
        <source>Light Brown</source>
        <translation>Ljusbrun</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Blond</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Röd</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Vit</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blå</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gul</translation>
    </message>
</context>
<context>
    <name>qira::league_page</name>
    <message>
        <source>Long Title</source>
        <translation>Långt namn</translation>
    </message>
    <message>
        <source>Short Title</source>
        <translation>Kort namn</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivå</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Apply league %1</source>
        <translation>Verkställ liga %1</translation>
    </message>
</context>
<context>
    <name>qira::merge_conflicts_window</name>
    <message>
        <source>left out</source>
        <translation>utelämnad</translation>
    </message>
    <message>
        <source>bits no field covers</source>
        <extracomment>What a conflict is about: bits of a row that no field of the table covers</extracomment>
        <translation>bitar som inget fält täcker</translation>
    </message>
    <message>
        <source>the row</source>
        <translation>raden</translation>
    </message>
    <message>
        <source>the table&apos;s rows</source>
        <translation>tabellens rader</translation>
    </message>
    <message>
        <source>text</source>
        <extracomment>What a conflict is about: a text of the language file</extracomment>
        <translation>text</translation>
    </message>
    <message>
        <source>1 place where A (%1) and B (%2) disagree. Choose the side each takes, or leave it out; the merged changes are shown for review next.</source>
        <extracomment>%1 and %2: the names of the two patches merged</extracomment>
        <translation>1 ställe där A (%1) och B (%2) skiljer sig åt. Välj vilken sida det ska ta, eller utelämna det; de sammanslagna ändringarna visas sedan för granskning.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln places where A (%1) and B (%2) disagree. Choose the side each takes, or leave it out; the merged changes are shown for review next.</source>
        <translation>
            <numerusform>%Ln ställe där A (%1) och B (%2) skiljer sig åt. Välj vilken sida det ska ta, eller utelämna det; de sammanslagna ändringarna visas sedan för granskning.</numerusform>
            <numerusform>%Ln ställen där A (%1) och B (%2) skiljer sig åt. Välj vilken sida vart och ett ska ta, eller utelämna det; de sammanslagna ändringarna visas sedan för granskning.</numerusform>
        </translation>
    </message>
    <message>
        <source>What the conflicts are</source>
        <translation>Vad konflikterna gäller</translation>
    </message>
    <message>
        <source>Conflicts of the two patches</source>
        <translation>De två patcharnas konflikter</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>Column headers: the row, the field, its value before both patches, the value of patch A and of patch B, and the side taken</extracomment>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Fält</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Val</translation>
    </message>
    <message>
        <source>%1 on the selected lines (%2)</source>
        <extracomment>%1: the command (Take A, Take B, Leave out); %2: its keys</extracomment>
        <translation>%1 på de markerade raderna (%2)</translation>
    </message>
    <message>
        <source>Take A</source>
        <translation>Ta A</translation>
    </message>
    <message>
        <source>Take B</source>
        <translation>Ta B</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Utelämna</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Merge with these choices and review the changes</source>
        <translation>Slå samman med dessa val och granska ändringarna</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>qira::message_sink</name>
    <message>
        <source>Fatal Error</source>
        <translation>Allvarligt fel</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
</context>
<context>
    <name>qira::patch</name>
    <message>
        <source>the patch removes it twice</source>
        <translation>patchen tar bort den två gånger</translation>
    </message>
    <message>
        <source>the patch lists it twice</source>
        <translation>patchen listar den två gånger</translation>
    </message>
    <message>
        <source>already there, patch adds it</source>
        <translation>finns redan, patchen lägger till den</translation>
    </message>
    <message>
        <source>the database has %1 tables, the patch changes table %2</source>
        <translation>databasen har %1 tabeller, patchen ändrar tabell %2</translation>
    </message>
    <message>
        <source>table %1 is %2, the patch is for %3</source>
        <translation>tabell %1 är %2, patchen gäller %3</translation>
    </message>
    <message>
        <source>table %1 has other fields than the patch&apos;s %2</source>
        <translation>tabell %1 har andra fält än patchens %2</translation>
    </message>
    <message>
        <source>table %1 field %2 is %3, the patch&apos;s is %4</source>
        <translation>tabell %1 fält %2 är %3, patchens är %4</translation>
    </message>
    <message>
        <source>%1 (removed by the patch) it has %2 values, the patch&apos;s row %3</source>
        <translation>%1 (som patchen tar bort) har %2 värden, patchens rad %3</translation>
    </message>
    <message>
        <source>%1 (removed by the patch) field %2: holds %3, patch expects %4</source>
        <translation>%1 (som patchen tar bort) fält %2: innehåller %3, patchen förväntar sig %4</translation>
    </message>
    <message>
        <source>%1 (removed by the patch) the bits no field covers are not what the patch expects</source>
        <translation>%1 (som patchen tar bort): bitarna som inget fält täcker är inte vad patchen förväntar sig</translation>
    </message>
    <message>
        <source>%1 (%2): &quot;stored&quot; holds %3 word, the table&apos;s rows need %4</source>
        <translation>%1 (%2): &quot;stored&quot; innehåller %3 ord, tabellens rader behöver %4</translation>
    </message>
    <message>
        <source>%1 (%2): &quot;stored&quot; holds %3 words, the table&apos;s rows need %4</source>
        <translation>%1 (%2): &quot;stored&quot; innehåller %3 ord, tabellens rader behöver %4</translation>
    </message>
    <message>
        <source>%1 (added by the patch) field %2: %3</source>
        <translation>%1 (som patchen lägger till) fält %2: %3</translation>
    </message>
    <message>
        <source>removed by the patch</source>
        <translation>som patchen tar bort</translation>
    </message>
    <message>
        <source>missing, patch removes it</source>
        <translation>saknas, patchen tar bort den</translation>
    </message>
    <message>
        <source>the patch changes field %1, which is no extra, text or value of the table</source>
        <translation>patchen ändrar fält %1, som varken är ett extrafält, en text eller ett värde i tabellen</translation>
    </message>
    <message>
        <source>the patch changes field %1 twice</source>
        <translation>patchen ändrar fält %1 två gånger</translation>
    </message>
    <message>
        <source>holds %1, patch expects %2</source>
        <translation>innehåller %1, patchen förväntar sig %2</translation>
    </message>
    <message>
        <source>missing, patch changes it</source>
        <translation>saknas, patchen ändrar den</translation>
    </message>
    <message>
        <source>changed by the patch</source>
        <translation>som patchen ändrar</translation>
    </message>
    <message>
        <source>the bits no field covers are not what the patch expects</source>
        <translation>bitarna som inget fält täcker är inte vad patchen förväntar sig</translation>
    </message>
    <message>
        <source>the row it follows (%1) is missing</source>
        <translation>raden den följer efter (%1) saknas</translation>
    </message>
    <message>
        <source>the added row has %1 values, the table %2</source>
        <translation>den tillagda raden har %1 värden, tabellen %2</translation>
    </message>
    <message>
        <source>added by the patch</source>
        <translation>som patchen lägger till</translation>
    </message>
    <message>
        <source>%1 would hold %2 rows (%3 row words); at most %4 rows and %5 row words are allowed</source>
        <translation>%1 skulle innehålla %2 rader (%3 radord); högst %4 rader och %5 radord är tillåtna</translation>
    </message>
    <message>
        <source>%1 holds %2 rows, patch expects %3</source>
        <translation>%1 innehåller %2 rader, patchen förväntar sig %3</translation>
    </message>
    <message>
        <source>language entry %1: missing, patch removes it</source>
        <translation>språkpost %1: saknas, patchen tar bort den</translation>
    </message>
    <message>
        <source>language entry %1: holds %2, patch expects %3</source>
        <translation>språkpost %1: innehåller %2, patchen förväntar sig %3</translation>
    </message>
    <message>
        <source>language entry %1: missing, patch changes it</source>
        <translation>språkpost %1: saknas, patchen ändrar den</translation>
    </message>
    <message>
        <source>language entry %1: the patch lists it twice</source>
        <translation>språkpost %1: patchen listar den två gånger</translation>
    </message>
    <message>
        <source>language entry %1, which the added entry %2 follows, is missing</source>
        <translation>språkpost %1, som den tillagda posten %2 följer efter, saknas</translation>
    </message>
    <message>
        <source>language entry %1: already there, patch adds it</source>
        <translation>språkpost %1: finns redan, patchen lägger till den</translation>
    </message>
    <message>
        <source>the language file would hold %1 entries; at most %2 are allowed</source>
        <translation>språkfilen skulle innehålla %1 poster; högst %2 är tillåtna</translation>
    </message>
    <message>
        <source>the patch changes language entries, and no language file is given</source>
        <translation>patchen ändrar språkposter, men ingen språkfil har angetts</translation>
    </message>
    <message>
        <source>the first has %1 tables, the second %2</source>
        <translation>den första har %1 tabeller, den andra %2</translation>
    </message>
    <message>
        <source>table %1 is %2 in the first, %3 in the second</source>
        <translation>tabell %1 är %2 i den första, %3 i den andra</translation>
    </message>
    <message>
        <source>table %1 %2 has other kinds of fields in the two</source>
        <translation>tabell %1 %2 har olika typer av fält i de två</translation>
    </message>
    <message>
        <source>table %1 field %2 is %3 in the first, %4 in the second</source>
        <translation>tabell %1 fält %2 är %3 i den första, %4 i den andra</translation>
    </message>
    <message>
        <source>table %1 field %2 is %3 bits wide in the first, %4 in the second</source>
        <translation>tabell %1 fält %2 är %3 bitar brett i den första, %4 i den andra</translation>
    </message>
    <message>
        <source>table %1 has %2 words per row in the first, %3 in the second</source>
        <translation>tabell %1 har %2 ord per rad i den första, %3 i den andra</translation>
    </message>
    <message>
        <source>table %1 is %2 in the first patch, %3 in the second</source>
        <translation>tabell %1 är %2 i den första patchen, %3 i den andra</translation>
    </message>
    <message>
        <source>table %1 %2 has other fields in the two patches</source>
        <translation>tabell %1 %2 har olika fält i de två patcharna</translation>
    </message>
    <message>
        <source>table %1 %2 has %3 rows before in the first patch, %4 in the second: they were made on different games</source>
        <translation>tabell %1 %2 utgår från %3 rader i den första patchen och %4 i den andra: de skapades på olika spel</translation>
    </message>
    <message>
        <source>the base game and game %1 cannot be compared: %2</source>
        <translation>basspelet och spel %1 kan inte jämföras: %2</translation>
    </message>
    <message>
        <source>the merged changes do not apply to the base game: %1</source>
        <translation>de sammanslagna ändringarna kan inte verkställas på basspelet: %1</translation>
    </message>
</context>
<context>
    <name>qira::patch_commands</name>
    <message>
        <source>%1 does not apply to this game: 1 conflict. Nothing was changed.

%2</source>
        <extracomment>%1: the patch&apos;s name; %2: the conflict, on its own line</extracomment>
        <translation>%1 går inte att verkställa på det här spelet: 1 konflikt. Inget ändrades.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%1 does not apply to this game: %Ln conflicts. Nothing was changed.

%2</source>
        <extracomment>%1: the patch&apos;s name; %Ln: how many conflicts (two or more); %2: the conflicts, one a line</extracomment>
        <translation>
            <numerusform>%1 går inte att verkställa på det här spelet: %Ln konflikt. Inget ändrades.

%2</numerusform>
            <numerusform>%1 går inte att verkställa på det här spelet: %Ln konflikter. Inget ändrades.

%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Save changes as patch</source>
        <translation>Spara ändringar som patch</translation>
    </message>
    <message>
        <source>Apply patch</source>
        <translation>Verkställ patch</translation>
    </message>
    <message>
        <source>Patches (*.json);;All files (*)</source>
        <extracomment>File dialog filters: the parts in brackets stay as they are</extracomment>
        <translation>Patchar (*.json);;Alla filer (*)</translation>
    </message>
    <message>
        <source>Compare with another game</source>
        <translation>Jämför med ett annat spel</translation>
    </message>
    <message>
        <source>Game database (qira.db);;All files (*)</source>
        <extracomment>File dialog filters: the parts in brackets stay as they are</extracomment>
        <translation>Speldatabas (qira.db);;Alla filer (*)</translation>
    </message>
    <message>
        <source>The files could not be read again after they were opened, so there is nothing to compare the changes with.</source>
        <translation>Filerna kunde inte läsas igen efter att de öppnades, så det finns inget att jämföra ändringarna med.</translation>
    </message>
    <message>
        <source>Comparing the game with its files as opened...</source>
        <translation>Jämför spelet med dess filer som de öppnades...</translation>
    </message>
    <message>
        <source>Nothing was changed since the files were opened: there is no patch to write.</source>
        <translation>Inget har ändrats sedan filerna öppnades: det finns ingen patch att skriva.</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <extracomment>Progress; %1: the patch file&apos;s name</extracomment>
        <translation>Skriver %1...</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Title of the message box of a save that failed</extracomment>
        <translation>Fel</translation>
    </message>
    <message numerus="yes">
        <source>A patch of %Ln changes was written to %1.</source>
        <extracomment>%Ln: how many changes; %1: the patch file&apos;s name</extracomment>
        <translation>
            <numerusform>En patch med %Ln ändring skrevs till %1.</numerusform>
            <numerusform>En patch med %Ln ändringar skrevs till %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <extracomment>Progress; %1: the patch file&apos;s name</extracomment>
        <translation>Läser %1...</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The two patch files merged, named in other messages; %1, %2: their file names</extracomment>
        <translation>%1 och %2</translation>
    </message>
    <message>
        <source>Merging %1...</source>
        <extracomment>Progress; %1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>Slår samman %1...</translation>
    </message>
    <message>
        <source>Merged from %1: no conflicts.</source>
        <extracomment>%1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>Sammanslagning av %1: inga konflikter.</translation>
    </message>
    <message>
        <source>Conflicts of %1</source>
        <extracomment>Window title; %1: the two patch files</extracomment>
        <translation>Konflikter i %1</translation>
    </message>
    <message>
        <source>%1 were not merged; nothing was changed.</source>
        <extracomment>%1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>%1 slogs inte samman; inget ändrades.</translation>
    </message>
    <message>
        <source>Merged from %1: 1 conflict decided (a: %2, b: %3, left out: %4).</source>
        <extracomment>%1: the two patch files; %2, %3, %4: how many conflicts took side a, took side b, were left out</extracomment>
        <translation>Sammanslagning av %1: 1 konflikt avgjord (a: %2, b: %3, utelämnade: %4).</translation>
    </message>
    <message numerus="yes">
        <source>Merged from %1: %Ln conflicts decided (a: %2, b: %3, left out: %4).</source>
        <extracomment>%1: the two patch files; %Ln: how many conflicts (two or more); %2, %3, %4: how many took side a, took side b, were left out</extracomment>
        <translation>
            <numerusform>Sammanslagning av %1: %Ln konflikt avgjord (a: %2, b: %3, utelämnade: %4).</numerusform>
            <numerusform>Sammanslagning av %1: %Ln konflikter avgjorda (a: %2, b: %3, utelämnade: %4).</numerusform>
        </translation>
    </message>
    <message>
        <source>merge patches %1</source>
        <extracomment>Undo step; %1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>slå samman patchar %1</translation>
    </message>
    <message>
        <source>Merge patches %1</source>
        <extracomment>Window title; %1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>Slå samman patchar %1</translation>
    </message>
    <message>
        <source>%1 has no language file %2 beside it, so the language entries are not compared.</source>
        <extracomment>%1: the other game&apos;s database; %2: the language file&apos;s name</extracomment>
        <translation>%1 har ingen språkfil %2 bredvid sig, så språkposterna jämförs inte.</translation>
    </message>
    <message>
        <source>Reading and comparing %1...</source>
        <extracomment>Progress; %1: the other game&apos;s database</extracomment>
        <translation>Läser och jämför %1...</translation>
    </message>
    <message>
        <source>The open game and %1 hold the same.</source>
        <extracomment>%1: the other game&apos;s database</extracomment>
        <translation>Det öppna spelet och %1 innehåller detsamma.</translation>
    </message>
    <message>
        <source>Differences from the open game to %1: tick what to take over.</source>
        <extracomment>%1: the other game&apos;s database</extracomment>
        <translation>Skillnader från det öppna spelet till %1: bocka för det som ska tas över.</translation>
    </message>
    <message>
        <source>take over from %1</source>
        <extracomment>Undo step; %1: the other game&apos;s database</extracomment>
        <translation>ta över från %1</translation>
    </message>
    <message>
        <source>Compare with %1</source>
        <extracomment>Window title; %1: the other game&apos;s database</extracomment>
        <translation>Jämför med %1</translation>
    </message>
    <message>
        <source>%1 holds no changes.</source>
        <extracomment>%1: the patch (or the game compared with)</extracomment>
        <translation>%1 innehåller inga ändringar.</translation>
    </message>
    <message>
        <source>Review patch %1</source>
        <extracomment>Window title; %1: the patch file&apos;s name</extracomment>
        <translation>Granska patch %1</translation>
    </message>
    <message>
        <source>%1 was not applied; nothing was changed.</source>
        <extracomment>%1: the patch (or the game compared with)</extracomment>
        <translation>%1 verkställdes inte; inget ändrades.</translation>
    </message>
    <message>
        <source>%1: the selected changes change nothing in this game.</source>
        <extracomment>%1: the patch (or the game compared with)</extracomment>
        <translation>%1: de valda ändringarna ändrar inget i det här spelet.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 changes applied; Undo takes them back.</source>
        <extracomment>%1: the patch (or the game compared with); %2 of %3: the changes ticked of all changes</extracomment>
        <translation>%1: %2 av %3 ändringar verkställda; Ångra tar tillbaka dem.</translation>
    </message>
    <message>
        <source>apply patch %1</source>
        <extracomment>Undo step; %1: the patch file&apos;s name</extracomment>
        <translation>verkställ patch %1</translation>
    </message>
    <message>
        <source>No patch can be made: %1</source>
        <extracomment>%1: why not</extracomment>
        <translation>Ingen patch kan skapas: %1</translation>
    </message>
    <message>
        <source>%1 cannot be merged: %2. Nothing was changed.</source>
        <extracomment>%1: the two patch files; %2: why not</extracomment>
        <translation>%1 kan inte slås samman: %2. Inget ändrades.</translation>
    </message>
    <message>
        <source>The open game cannot be compared with %1: %2. Nothing was changed.</source>
        <extracomment>%1: the other game&apos;s database; %2: why not</extracomment>
        <translation>Det öppna spelet kan inte jämföras med %1: %2. Inget ändrades.</translation>
    </message>
</context>
<context>
    <name>qira::patch_review_model</name>
    <message>
        <source>1 conflict</source>
        <translation>1 konflikt</translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts</source>
        <translation>
            <numerusform>%Ln konflikt</numerusform>
            <numerusform>%Ln konflikter</numerusform>
        </translation>
    </message>
    <message>
        <source>field %1</source>
        <extracomment>%1: the name of a field of a row the patch changes</extracomment>
        <translation>fält %1</translation>
    </message>
    <message>
        <source>Conflict: %1</source>
        <extracomment>%1: why the change conflicts with the game</extracomment>
        <translation>Konflikt: %1</translation>
    </message>
    <message>
        <source>1 conflict beneath</source>
        <translation>1 konflikt under</translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts beneath</source>
        <translation>
            <numerusform>%Ln konflikt under</numerusform>
            <numerusform>%Ln konflikter under</numerusform>
        </translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Column header: the table, row or field a patch changes</extracomment>
        <translation>Ändring</translation>
    </message>
    <message>
        <source>Patch expects</source>
        <translation>Patchen väntar sig</translation>
    </message>
    <message>
        <source>Game holds</source>
        <translation>Spelet har</translation>
    </message>
    <message>
        <source>Will be</source>
        <translation>Blir</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
</context>
<context>
    <name>qira::patch_review_window</name>
    <message>
        <source>1 change</source>
        <translation>1 ändring</translation>
    </message>
    <message numerus="yes">
        <source>%Ln changes</source>
        <translation>
            <numerusform>%Ln ändring</numerusform>
            <numerusform>%Ln ändringar</numerusform>
        </translation>
    </message>
    <message>
        <source>1 conflict</source>
        <translation>1 konflikt</translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts</source>
        <translation>
            <numerusform>%Ln konflikt</numerusform>
            <numerusform>%Ln konflikter</numerusform>
        </translation>
    </message>
    <message>
        <source>Where these changes come from</source>
        <translation>Var de här ändringarna kommer ifrån</translation>
    </message>
    <message>
        <source>... and %L1 more</source>
        <translation>... och %L1 till</translation>
    </message>
    <message>
        <source>No change of this patch can be applied to this game:
%1</source>
        <extracomment>%1: the problems, one a line</extracomment>
        <translation>Ingen ändring i den här patchen kan verkställas på det här spelet:
%1</translation>
    </message>
    <message>
        <source>Problems of the whole patch</source>
        <translation>Problem med hela patchen</translation>
    </message>
    <message>
        <source>A table, a name, a field or a value (Ctrl+F)</source>
        <translation>En tabell, ett namn, ett fält eller ett värde (Ctrl+F)</translation>
    </message>
    <message>
        <source>Find in the changes</source>
        <translation>Sök i ändringarna</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Sök:</translation>
    </message>
    <message>
        <source>Changes of the patch</source>
        <translation>Patchens ändringar</translation>
    </message>
    <message>
        <source>Review summary</source>
        <translation>Sammanfattning av granskningen</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Markera alla</translation>
    </message>
    <message>
        <source>Tick every change that does not conflict</source>
        <translation>Bocka för varje ändring som inte är i konflikt</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Markera ingen</translation>
    </message>
    <message>
        <source>Apply selected</source>
        <translation>Verkställ markerade</translation>
    </message>
    <message>
        <source>Apply the ticked changes as one step of Undo</source>
        <translation>Verkställ de förbockade ändringarna som ett steg att ångra</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Tick</source>
        <extracomment>Context menu: tick the check box of the change (choose it to be applied)</extracomment>
        <translation>Bocka för</translation>
    </message>
    <message>
        <source>Untick</source>
        <translation>Bocka av</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>%1, %2, %L3 selected; %L4 of %L5 rows shown</source>
        <extracomment>%1: &quot;40 changes&quot;; %2: &quot;1 conflict&quot;; %3: how many changes are ticked; %4 of %5: the rows the find shows of all rows</extracomment>
        <translation>%1, %2, %L3 markerade; %L4 av %L5 rader visas</translation>
    </message>
    <message>
        <source>%1, %2, %L3 selected</source>
        <extracomment>%1: &quot;40 changes&quot;; %2: &quot;1 conflict&quot;; %3: how many are ticked</extracomment>
        <translation>%1, %2, %L3 markerade</translation>
    </message>
</context>
<context>
    <name>qira::player_names_dialog</name>
    <message>
        <source>&amp;First name</source>
        <translation>&amp;Förnamn</translation>
    </message>
    <message>
        <source>&amp;Pseudonym</source>
        <translation>&amp;Pseudonym</translation>
    </message>
    <message>
        <source>&amp;Surname</source>
        <translation>&amp;Efternamn</translation>
    </message>
    <message>
        <source>No new player: %1</source>
        <extracomment>%1: why no new player can be made</extracomment>
        <translation>Ingen ny spelare: %1</translation>
    </message>
    <message>
        <source>New player</source>
        <translation>Ny spelare</translation>
    </message>
</context>
<context>
    <name>qira::player_page</name>
    <message>
        <source>Name</source>
        <translation>Förnamn</translation>
    </message>
    <message>
        <source>Pseudonym</source>
        <translation>Pseudonym</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Efternamn</translation>
    </message>
    <message>
        <source>Preferred position</source>
        <translation>Föredragen position</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Längd</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Vikt</translation>
    </message>
    <message>
        <source>Hair color</source>
        <translation>Hårfärg</translation>
    </message>
    <message>
        <source>Boots color</source>
        <translation>Skofärg</translation>
    </message>
    <message>
        <source>Star Player</source>
        <translation>Stjärnspelare</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Uthållighet</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passningar</translation>
    </message>
    <message>
        <source>Tackling</source>
        <translation>Tacklingar</translation>
    </message>
    <message>
        <source>Ball Control</source>
        <translation>Bollkontroll</translation>
    </message>
    <message>
        <source>Shot Accuraty</source>
        <translation>Skottprecision</translation>
    </message>
    <message>
        <source>Talent</source>
        <translation>Talang</translation>
    </message>
    <message>
        <source>Player ID:</source>
        <translation>Spelar-ID:</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Edit Team</source>
        <translation>&lt;&lt;&lt; Redigera lag</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>New player...</source>
        <translation>Ny spelare...</translation>
    </message>
    <message>
        <source>A copy of this player with the next free id and new names</source>
        <translation>En kopia av den här spelaren med nästa lediga id och nya namn</translation>
    </message>
    <message>
        <source>Delete player</source>
        <translation>Ta bort spelare</translation>
    </message>
    <message>
        <source>This player&apos;s row and his memberships of teams</source>
        <translation>Spelarens rad och hans medlemskap i lag</translation>
    </message>
    <message>
        <source>Player status</source>
        <translation>Spelarstatus</translation>
    </message>
    <message>
        <source>Player ID</source>
        <translation>Spelar-ID</translation>
    </message>
    <message>
        <source>*Hair color may not match when special face is used for player</source>
        <translation>*Hårfärgen kanske inte stämmer när ett specialansikte används för spelaren</translation>
    </message>
    <message>
        <source>Apply player %1</source>
        <translation>Verkställ spelare %1</translation>
    </message>
    <message>
        <source>Show the player to copy first.</source>
        <translation>Visa först spelaren som ska kopieras.</translation>
    </message>
    <message>
        <source>new player %1</source>
        <translation>ny spelare %1</translation>
    </message>
    <message>
        <source>New player %1 (id %2) in %3.</source>
        <extracomment>%1: the player&apos;s name; %2: his id; %3: the team</extracomment>
        <translation>Ny spelare %1 (id %2) i %3.</translation>
    </message>
    <message>
        <source>New player %1 (id %2), without a team.</source>
        <translation>Ny spelare %1 (id %2), utan lag.</translation>
    </message>
    <message>
        <source>Show the player to delete first.</source>
        <translation>Visa först spelaren som ska tas bort.</translation>
    </message>
    <message>
        <source>delete player %1</source>
        <translation>ta bort spelare %1</translation>
    </message>
    <message>
        <source>Deleted %1 and his membership of a team.</source>
        <translation>Tog bort %1 och hans medlemskap i ett lag.</translation>
    </message>
    <message numerus="yes">
        <source>Deleted %1 and his %Ln memberships of teams.</source>
        <translation>
            <numerusform>Tog bort %1 och hans %Ln medlemskap i lag.</numerusform>
            <numerusform>Tog bort %1 och hans %Ln medlemskap i lag.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was not deleted: %2</source>
        <extracomment>%1: the player; %2: why not</extracomment>
        <translation>%1 togs inte bort: %2</translation>
    </message>
</context>
<context>
    <name>qira::problem</name>
    <message>
        <source>the file is read-only</source>
        <translation>filen är skrivskyddad</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>det är en mapp</translation>
    </message>
    <message>
        <source>its old content could not be kept while the files are replaced (%1)</source>
        <translation>dess gamla innehåll kunde inte bevaras medan filerna ersätts (%1)</translation>
    </message>
    <message>
        <source>the new file is in place, but its folder could not be synced to the disk (%1)</source>
        <translation>den nya filen är på plats, men dess mapp kunde inte synkas till disken (%1)</translation>
    </message>
    <message>
        <source>the new files are in place, but its folder could not be synced to the disk (%1)</source>
        <translation>de nya filerna är på plats, men deras mapp kunde inte synkas till disken (%1)</translation>
    </message>
    <message>
        <source>%1. %2 had already been replaced and was put back</source>
        <translation>%1. %2 hade redan ersatts och lades tillbaka</translation>
    </message>
    <message>
        <source>%1. %2 had already been replaced and were put back</source>
        <translation>%1. %2 hade redan ersatts och lades tillbaka</translation>
    </message>
    <message>
        <source>Putting back %1 failed too (%2).</source>
        <translation>Att lägga tillbaka %1 misslyckades också (%2).</translation>
    </message>
    <message>
        <source>The files do not belong together now:</source>
        <translation>Filerna hör inte ihop nu:</translation>
    </message>
    <message>
        <source>%1 is the old file</source>
        <translation>%1 är den gamla filen</translation>
    </message>
    <message>
        <source>%1 is the new file, and the old one is kept as %2</source>
        <translation>%1 är den nya filen, och den gamla finns kvar som %2</translation>
    </message>
    <message>
        <source>%1 is the new file (there was none before)</source>
        <translation>%1 är den nya filen (det fanns ingen tidigare)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>den kan inte läsas</translation>
    </message>
    <message>
        <source>it could not be read to its end</source>
        <translation>den kunde inte läsas till slutet</translation>
    </message>
    <message>
        <source>%1. Nothing was saved: %2 are as they were.</source>
        <extracomment>%1 is why the save failed, %2 the files</extracomment>
        <translation>%1. Inget sparades: %2 är som de var.</translation>
    </message>
    <message>
        <source>%1 is named for two of the files to save (%2): one would be written over the other.</source>
        <translation>%1 anges för två av filerna som ska sparas (%2): den ena skulle skriva över den andra.</translation>
    </message>
    <message>
        <source>no such file or no access</source>
        <translation>filen finns inte eller åtkomst saknas</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>a list of names: %1 is one name or several separated by commas, %2 the last one</extracomment>
        <translation>%1 och %2</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>the file (%1) is too short for a language file&apos;s header</source>
        <translation>filen (%1) är för kort för en språkfils huvud</translation>
    </message>
    <message>
        <source>it holds %1 entries; at most %2 are allowed</source>
        <translation>den innehåller %1 poster; högst %2 är tillåtna</translation>
    </message>
    <message>
        <source>its directory of %1 entries runs past the end of the file (%2)</source>
        <translation>dess förteckning över %1 poster sträcker sig förbi filens slut (%2)</translation>
    </message>
    <message>
        <source>the text of entry %1 (key %2, offset %3) runs past the end of the file (%4)</source>
        <translation>texten i post %1 (nyckel %2, offset %3) sträcker sig förbi filens slut (%4)</translation>
    </message>
    <message>
        <source>it would hold %1 entries; a language file holds at most %2</source>
        <translation>den skulle innehålla %1 poster; en språkfil rymmer högst %2</translation>
    </message>
    <message>
        <source>its texts exceed 2 GiB</source>
        <translation>dess texter överskrider 2 GiB</translation>
    </message>
    <message>
        <source>the file (%1) is too short for its header</source>
        <translation>filen (%1) är för kort för sitt huvud</translation>
    </message>
    <message>
        <source>it says it holds %1 tables; a database file holds 1 to %2</source>
        <translation>den uppger att den innehåller %1 tabeller; en databasfil rymmer 1 till %2</translation>
    </message>
    <message>
        <source>the header of table %1 (offset %2) runs past the end of the file (%3)</source>
        <translation>huvudet för tabell %1 (offset %2) sträcker sig förbi filens slut (%3)</translation>
    </message>
    <message>
        <source>table %1 has %2 %3 fields; a table has 0 to %4</source>
        <extracomment>%3 is the kind of field (key, extra, text)</extracomment>
        <translation>tabell %1 har %2 fält av typen %3; en tabell har 0 till %4</translation>
    </message>
    <message>
        <source>table %1 has %2 whole-word and %3 %4 fields; a table has at most %5 fields</source>
        <translation>tabell %1 har %2 helordsfält och %3 fält av typen %4; en tabell har högst %5 fält</translation>
    </message>
    <message>
        <source>the field descriptors of table %1 (offset %2, %3 bytes) run past the end of the file (%4)</source>
        <translation>fältdeskriptorerna för tabell %1 (offset %2, %3 byte) sträcker sig förbi filens slut (%4)</translation>
    </message>
    <message>
        <source>table %1&apos;s block (offset %2, %3 bytes) ends before the next table&apos;s block begins; a block holds at least its 8-byte head</source>
        <translation>blocket för tabell %1 (offset %2, %3 byte) slutar innan nästa tabells block börjar; ett block rymmer minst sitt huvud på 8 byte</translation>
    </message>
    <message>
        <source>table %1&apos;s block (offset %2, %3 bytes) ends before the names region begins; a block holds at least its 8-byte head</source>
        <translation>blocket för tabell %1 (offset %2, %3 byte) slutar innan namnområdet börjar; ett block rymmer minst sitt huvud på 8 byte</translation>
    </message>
    <message>
        <source>table %1&apos;s block (offset %2, %3 bytes) runs past the end of the file (%4)</source>
        <translation>blocket för tabell %1 (offset %2, %3 byte) sträcker sig förbi filens slut (%4)</translation>
    </message>
    <message>
        <source>table %1 has %2 rows; a table holds at most %3</source>
        <translation>tabell %1 har %2 rader; en tabell rymmer högst %3</translation>
    </message>
    <message>
        <source>table %1 has %2 rows of %3 words; a table holds at most %4 row words</source>
        <translation>tabell %1 har %2 rader med %3 ord; en tabell rymmer högst %4 radord</translation>
    </message>
    <message>
        <source>table %1&apos;s rows have %2 words, fewer than its %3 whole-word fields</source>
        <translation>raderna i tabell %1 har %2 ord, färre än dess %3 helordsfält</translation>
    </message>
    <message>
        <source>the name of table %1 (offset %2) runs past the end of the file (%3)</source>
        <translation>namnet på tabell %1 (offset %2) sträcker sig förbi filens slut (%3)</translation>
    </message>
    <message>
        <source>the name of field %1 of table %2 (offset %3) runs past the end of the file (%4)</source>
        <translation>namnet på fält %1 i tabell %2 (offset %3) sträcker sig förbi filens slut (%4)</translation>
    </message>
    <message>
        <source>text %1 of row %2 in table %3 (offset %4) runs past the end of the file (%5 bytes)</source>
        <translation>text %1 i rad %2 i tabell %3 (offset %4) sträcker sig förbi filens slut (%5 byte)</translation>
    </message>
    <message>
        <source>its directory of %1 blocks runs past the end of the file (%2)</source>
        <translation>dess förteckning över %1 block sträcker sig förbi filens slut (%2)</translation>
    </message>
    <message>
        <source>it has %1 tables; a database file holds 1 to %2</source>
        <translation>den har %1 tabeller; en databasfil rymmer 1 till %2</translation>
    </message>
    <message>
        <source>table %1 has %2 fields of one whole-word kind; at most %3 are allowed</source>
        <translation>tabell %1 har %2 fält av en och samma helordstyp; högst %3 är tillåtna</translation>
    </message>
    <message>
        <source>table %1 has %2 field descriptors for %3 fields (at most %4)</source>
        <translation>tabell %1 har %2 fältdeskriptorer för %3 fält (högst %4)</translation>
    </message>
    <message>
        <source>table %1 has %2 row words; a table holds at most %3</source>
        <translation>tabell %1 har %2 radord; en tabell rymmer högst %3</translation>
    </message>
    <message>
        <source>the file would exceed 2 GiB</source>
        <translation>filen skulle överskrida 2 GiB</translation>
    </message>
    <message>
        <source>leagues</source>
        <translation>ligor</translation>
    </message>
    <message>
        <source>league teams</source>
        <translation>ligornas lag</translation>
    </message>
    <message>
        <source>players</source>
        <translation>spelare</translation>
    </message>
    <message>
        <source>stadiums</source>
        <translation>arenor</translation>
    </message>
    <message>
        <source>team settings</source>
        <translation>laginställningar</translation>
    </message>
    <message>
        <source>team players</source>
        <translation>lagens spelare</translation>
    </message>
    <message>
        <source>teams</source>
        <translation>lag</translation>
    </message>
    <message>
        <source>table %1 (%2) is missing</source>
        <translation>tabell %1 (%2) saknas</translation>
    </message>
    <message>
        <source>table %1 (%2) has %3 key fields, not %4</source>
        <translation>tabell %1 (%2) har %3 nyckelfält, inte %4</translation>
    </message>
    <message>
        <source>table %1 (%2) has %3 texts per row, not %4</source>
        <translation>tabell %1 (%2) har %3 texter per rad, inte %4</translation>
    </message>
    <message>
        <source>table %1 (%2) has %3 packed values per row, not %4</source>
        <translation>tabell %1 (%2) har %3 packade värden per rad, inte %4</translation>
    </message>
    <message>
        <source>table %1 (%2) has no field &quot;%3&quot;</source>
        <translation>tabell %1 (%2) har inget fält &quot;%3&quot;</translation>
    </message>
    <message>
        <source>the member &quot;%1&quot; is missing</source>
        <translation>medlemmen &quot;%1&quot; saknas</translation>
    </message>
    <message>
        <source>expected null</source>
        <translation>förväntade null</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>förväntade true eller false</translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation>förväntade ett heltal</translation>
    </message>
    <message>
        <source>expected a number</source>
        <translation>förväntade ett tal</translation>
    </message>
    <message>
        <source>expected a text</source>
        <translation>förväntade en text</translation>
    </message>
    <message>
        <source>expected an array</source>
        <translation>förväntade en array</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>förväntade ett objekt</translation>
    </message>
    <message>
        <source>%1 is out of range (%2 to %3)</source>
        <translation>%1 ligger utanför intervallet (%2 till %3)</translation>
    </message>
    <message>
        <source>the document is not valid UTF-8</source>
        <translation>dokumentet är inte giltig UTF-8</translation>
    </message>
    <message>
        <source>the document ends where a value should be</source>
        <translation>dokumentet tar slut där ett värde borde finnas</translation>
    </message>
    <message>
        <source>nested deeper than a patch is</source>
        <translation>nästlat djupare än en patch är</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;}&apos;</source>
        <translation>förväntade &apos;,&apos; eller &apos;}&apos;</translation>
    </message>
    <message>
        <source>expected a member name in quotes</source>
        <translation>förväntade ett medlemsnamn inom citattecken</translation>
    </message>
    <message>
        <source>an object with more members than a patch has</source>
        <translation>ett objekt med fler medlemmar än en patch har</translation>
    </message>
    <message>
        <source>the member &quot;%1&quot; appears twice</source>
        <translation>medlemmen &quot;%1&quot; förekommer två gånger</translation>
    </message>
    <message>
        <source>expected &apos;:&apos;</source>
        <translation>förväntade &apos;:&apos;</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;]&apos;</source>
        <translation>förväntade &apos;,&apos; eller &apos;]&apos;</translation>
    </message>
    <message>
        <source>a \u escape needs four hex digits</source>
        <translation>en \u-escapesekvens behöver fyra hexadecimala siffror</translation>
    </message>
    <message>
        <source>a text runs to the end of the document</source>
        <translation>en text fortsätter ända till dokumentets slut</translation>
    </message>
    <message>
        <source>an unknown escape in a text</source>
        <translation>en okänd escapesekvens i en text</translation>
    </message>
    <message>
        <source>a high surrogate escape without its low half</source>
        <translation>en escapesekvens för ett högt surrogat utan sin låga halva</translation>
    </message>
    <message>
        <source>a lone low surrogate escape other than \udc80 to \udcff</source>
        <translation>en ensam escapesekvens för ett lågt surrogat utanför \udc80 till \udcff</translation>
    </message>
    <message>
        <source>a control character inside a text must be escaped</source>
        <translation>ett styrtecken i en text måste skrivas som escapesekvens</translation>
    </message>
    <message>
        <source>not a JSON value</source>
        <translation>inte ett JSON-värde</translation>
    </message>
    <message>
        <source>a number with a leading zero</source>
        <translation>ett tal med inledande nolla</translation>
    </message>
    <message>
        <source>a number without digits after its point</source>
        <translation>ett tal utan siffror efter decimalpunkten</translation>
    </message>
    <message>
        <source>a number without digits in its exponent</source>
        <translation>ett tal utan siffror i exponenten</translation>
    </message>
    <message>
        <source>unexpected text after the document</source>
        <translation>oväntad text efter dokumentet</translation>
    </message>
    <message>
        <source>expected an object or null</source>
        <translation>förväntade ett objekt eller null</translation>
    </message>
    <message>
        <source>more entries than a language file has</source>
        <translation>fler poster än en språkfil har</translation>
    </message>
    <message>
        <source>%1 is not &quot;%2&quot;</source>
        <translation>%1 är inte &quot;%2&quot;</translation>
    </message>
    <message>
        <source>version %1 is not known; this program reads version %2</source>
        <translation>version %1 är okänd; det här programmet läser version %2</translation>
    </message>
    <message>
        <source>expected %1 field names (as many as the kinds count, at most %2)</source>
        <translation>förväntade %1 fältnamn (så många som antalen per fälttyp anger, högst %2)</translation>
    </message>
    <message>
        <source>more rows than a table has</source>
        <translation>fler rader än en tabell har</translation>
    </message>
    <message>
        <source>more fields than a table has</source>
        <translation>fler fält än en tabell har</translation>
    </message>
    <message>
        <source>more tables than a game has</source>
        <translation>fler tabeller än ett spel har</translation>
    </message>
    <message>
        <source>the document cannot be read</source>
        <translation>dokumentet kan inte läsas</translation>
    </message>
    <message>
        <source>%1 does not fit in 32 bits</source>
        <translation>%1 ryms inte i 32 bitar</translation>
    </message>
    <message>
        <source>expected %1 keys</source>
        <translation>förväntade %1 nycklar</translation>
    </message>
    <message>
        <source>more than %1 words</source>
        <translation>fler än %1 ord</translation>
    </message>
    <message>
        <source>expected %1 extras</source>
        <translation>förväntade %1 extrafält</translation>
    </message>
    <message>
        <source>expected %1 texts</source>
        <translation>förväntade %1 texter</translation>
    </message>
    <message>
        <source>expected %1 values</source>
        <translation>förväntade %1 värden</translation>
    </message>
    <message>
        <source>field %1 is not named %2</source>
        <translation>fält %1 heter inte %2</translation>
    </message>
    <message>
        <source>the table has no field %1</source>
        <translation>tabellen har inget fält %1</translation>
    </message>
    <message>
        <source>the table has more than one field %1: give its field_index</source>
        <translation>tabellen har mer än ett fält %1: ange dess field_index</translation>
    </message>
    <message>
        <source>%1 is a key field: a changed key is a row removed and one added</source>
        <translation>%1 är ett nyckelfält: en ändrad nyckel är en rad som tas bort och en som läggs till</translation>
    </message>
    <message>
        <source>&quot;before&quot; and &quot;after&quot; are both needed</source>
        <translation>både &quot;before&quot; och &quot;after&quot; behövs</translation>
    </message>
    <message>
        <source>more changes than fields</source>
        <translation>fler ändringar än fält</translation>
    </message>
    <message>
        <source>expected as many words before as after</source>
        <translation>förväntade lika många ord före som efter</translation>
    </message>
    <message>
        <source>names no file</source>
        <translation>anger ingen fil</translation>
    </message>
</context>
<context>
    <name>qira::recovery_commands</name>
    <message>
        <source>Put aside</source>
        <extracomment>A choice of the question about the changes kept when the editor did not close normally</extracomment>
        <translation>Lägg undan</translation>
    </message>
    <message>
        <source>Decide at the next start</source>
        <extracomment>A choice of the question about the changes kept when the editor did not close normally</extracomment>
        <translation>Avgör vid nästa start</translation>
    </message>
    <message>
        <source>its lock cannot be taken</source>
        <extracomment>Why the file that keeps the unsaved changes cannot be written</extracomment>
        <translation>dess lås kan inte tas</translation>
    </message>
    <message>
        <source>%1 could not be renamed; it stays for the next start.</source>
        <extracomment>%1: the file that keeps the changes</extracomment>
        <translation>%1 kunde inte döpas om; den ligger kvar till nästa start.</translation>
    </message>
    <message>
        <source>The kept changes were put aside as %1. &quot;Apply patch...&quot; can apply them to the game.</source>
        <extracomment>%1: the file the changes were put aside as</extracomment>
        <translation>De bevarade ändringarna lades undan som %1. &quot;Verkställ patch...&quot; kan verkställa dem på spelet.</translation>
    </message>
    <message>
        <source>%1 has changed on disk since (or cannot be read): changes that no longer apply show as conflicts.</source>
        <extracomment>%1: a game file</extracomment>
        <translation>%1 har ändrats på disken sedan dess (eller kan inte läsas): ändringar som inte längre passar visas som konflikter.</translation>
    </message>
    <message>
        <source>The editor did not close normally. It kept 1 unsaved change to
%1

%2Open these files and apply the changes (one step of Undo), or put them aside?</source>
        <extracomment>%1: the game&apos;s files, one a line; %2: empty, or a paragraph about files changed on disk since (it ends in an empty line)</extracomment>
        <translation>Redigeraren stängdes inte normalt. Den bevarade 1 osparad ändring i
%1

%2Vill du öppna filerna och verkställa ändringarna (ett steg att ångra), eller lägga undan dem?</translation>
    </message>
    <message numerus="yes">
        <source>The editor did not close normally. It kept %Ln unsaved changes to
%1

%2Open these files and apply the changes (one step of Undo), or put them aside?</source>
        <extracomment>%Ln: how many changes (two or more); %1: the game&apos;s files, one a line; %2: empty, or a paragraph about files changed on disk since (it ends in an empty line)</extracomment>
        <translation>
            <numerusform>Redigeraren stängdes inte normalt. Den bevarade %Ln osparad ändring i
%1

%2Vill du öppna filerna och verkställa ändringarna (ett steg att ångra), eller lägga undan dem?</numerusform>
            <numerusform>Redigeraren stängdes inte normalt. Den bevarade %Ln osparade ändringar i
%1

%2Vill du öppna filerna och verkställa ändringarna (ett steg att ångra), eller lägga undan dem?</numerusform>
        </translation>
    </message>
    <message>
        <source>Open and apply</source>
        <translation>Öppna och verkställ</translation>
    </message>
    <message>
        <source>These changes were kept by the editor when it did not close normally (%1), made to the files as they were opened or saved then.</source>
        <extracomment>%1: the file that kept the changes</extracomment>
        <translation>De här ändringarna bevarades av redigeraren när den inte stängdes normalt (%1), gjorda på filerna som de var när de öppnades eller sparades då.</translation>
    </message>
    <message>
        <source>The kept changes stay in %1 for the next start.</source>
        <extracomment>%1: the file that keeps the changes</extracomment>
        <translation>De bevarade ändringarna ligger kvar i %1 till nästa start.</translation>
    </message>
    <message>
        <source>The kept changes were put aside as %1.</source>
        <extracomment>%1: the file the changes were put aside as</extracomment>
        <translation>De bevarade ändringarna lades undan som %1.</translation>
    </message>
    <message>
        <source>The unsaved changes cannot be kept for recovery: %1</source>
        <extracomment>%1: why not</extracomment>
        <translation>De osparade ändringarna kan inte bevaras för återställning: %1</translation>
    </message>
</context>
<context>
    <name>qira::reference_delegate</name>
    <message>
        <source>Row %1, %2: not changed: %3</source>
        <extracomment>%1: the row&apos;s number; %2: the column; %3: why the typed text names no row</extracomment>
        <translation>Rad %1, %2: inte ändrad: %3</translation>
    </message>
</context>
<context>
    <name>qira::reference_picker</name>
    <message>
        <source>Row named: type a name or a number</source>
        <translation>Rad med namnet: skriv ett namn eller ett nummer</translation>
    </message>
    <message>
        <source>Rows the field may name</source>
        <translation>Rader som fältet kan peka på</translation>
    </message>
    <message>
        <source>no row is called &apos;%1&apos;; type its name or a number</source>
        <translation>ingen rad heter &apos;%1&apos;; skriv dess namn eller ett nummer</translation>
    </message>
    <message numerus="yes">
        <source>&apos;%1&apos; names %Ln rows; choose one from the list</source>
        <translation>
            <numerusform>&apos;%1&apos; matchar %Ln rad; välj en i listan</numerusform>
            <numerusform>&apos;%1&apos; matchar %Ln rader; välj en i listan</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::registry_key</name>
    <message>
        <source>the value &quot;%1&quot; could not be stored</source>
        <extracomment>Why a setting was not saved; %1: the setting&apos;s name as the registry keeps it</extracomment>
        <translation>värdet &quot;%1&quot; kunde inte sparas</translation>
    </message>
</context>
<context>
    <name>qira::result</name>
    <message>
        <source>%1 field %2: %3</source>
        <translation>%1 fält %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is what the problem is about (a row, a member of a document), %2 the problem</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>table %1 row %2 field %3: %4</source>
        <translation>tabell %1 rad %2 fält %3: %4</translation>
    </message>
    <message>
        <source>table %1 row %2: %3</source>
        <translation>tabell %1 rad %2: %3</translation>
    </message>
    <message>
        <source>table %1 field %2: %3</source>
        <translation>tabell %1 fält %2: %3</translation>
    </message>
    <message>
        <source>table %1: %2</source>
        <translation>tabell %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a valid patch: not valid JSON: line %2 column %3: %4</source>
        <translation>%1 är inte en giltig patch: ogiltig JSON: rad %2 kolumn %3: %4</translation>
    </message>
    <message>
        <source>%1 is not a valid patch: %2: %3</source>
        <translation>%1 är inte en giltig patch: %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a valid patch: %2</source>
        <translation>%1 är inte en giltig patch: %2</translation>
    </message>
    <message>
        <source>not valid JSON: line %1 column %2: %3</source>
        <translation>ogiltig JSON: rad %1 kolumn %2: %3</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is a file, %2 why it could not be opened</extracomment>
        <translation>Kan inte öppna %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Kan inte läsa %1</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 är skadad: %2</translation>
    </message>
    <message>
        <source>%1 cannot be edited: %2</source>
        <translation>%1 kan inte redigeras: %2</translation>
    </message>
    <message>
        <source>line %1 column %2: %3</source>
        <translation>rad %1 kolumn %2: %3</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>%1 is a file, %2 why it could not be saved</extracomment>
        <translation>Kunde inte spara %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>rad %1, kolumn %2: %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>rad %1: %2</translation>
    </message>
    <message>
        <source>%1 was not imported: %2; nothing was changed.</source>
        <translation>%1 importerades inte: %2; inget ändrades.</translation>
    </message>
</context>
<context>
    <name>qira::roster_page</name>
    <message>
        <source>Jersey number</source>
        <translation>Tröjnummer</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>The player &quot;%1&quot; could not be found; nothing was exchanged.</source>
        <translation>Spelaren &quot;%1&quot; kunde inte hittas; inget byttes.</translation>
    </message>
    <message>
        <source>Team players</source>
        <translation>Lagets spelare</translation>
    </message>
    <message>
        <source>&lt;-- Xchange --&gt;</source>
        <translation>&lt;-- Byt --&gt;</translation>
    </message>
    <message>
        <source>Exchange with</source>
        <translation>Byt med</translation>
    </message>
    <message>
        <source>Find in exchange tree</source>
        <translation>Sök i bytesträdet</translation>
    </message>
    <message>
        <source>Sign</source>
        <extracomment>Button: the chosen player joins this team (signs a contract)</extracomment>
        <translation>Värva</translation>
    </message>
    <message>
        <source>Move the player chosen in the exchange tree into this team</source>
        <translation>Flytta spelaren som valts i bytesträdet till det här laget</translation>
    </message>
    <message>
        <source>Release</source>
        <extracomment>Button: the player leaves this team</extracomment>
        <translation>Släpp</translation>
    </message>
    <message>
        <source>Move the selected player into the team chosen in the exchange tree, or out of any team</source>
        <translation>Flytta den markerade spelaren till laget som valts i bytesträdet, eller ut ur alla lag</translation>
    </message>
    <message>
        <source>Sign free player...</source>
        <translation>Fri spelare...</translation>
    </message>
    <message>
        <source>Choose a player without a team to join this team</source>
        <translation>Välj en spelare utan lag som ska gå med i det här laget</translation>
    </message>
    <message>
        <source>New player...</source>
        <translation>Ny spelare...</translation>
    </message>
    <message>
        <source>A copy of the selected player with new names, in this team</source>
        <translation>En kopia av den markerade spelaren med nya namn, i det här laget</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Edit team</source>
        <translation>&lt;&lt;&lt; Redigera lag</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>&lt;-- double click on player for quick edit</source>
        <translation>&lt;-- dubbelklicka på en spelare för snabbredigering</translation>
    </message>
    <message>
        <source>Invalid index</source>
        <translation>Ogiltigt index</translation>
    </message>
    <message>
        <source>exchange %1 and %2</source>
        <translation>byt %1 och %2</translation>
    </message>
    <message>
        <source>No team is shown.</source>
        <translation>Inget lag visas.</translation>
    </message>
    <message>
        <source>Choose the player to sign in the exchange tree.</source>
        <translation>Välj spelaren som ska värvas i bytesträdet.</translation>
    </message>
    <message>
        <source>sign %1</source>
        <translation>värva %1</translation>
    </message>
    <message>
        <source>%1 was not signed</source>
        <translation>%1 värvades inte</translation>
    </message>
    <message>
        <source>Choose the player to release in the roster.</source>
        <translation>Välj spelaren som ska släppas i truppen.</translation>
    </message>
    <message>
        <source>release %1 to %2</source>
        <translation>släpp %1 till %2</translation>
    </message>
    <message>
        <source>release %1</source>
        <translation>släpp %1</translation>
    </message>
    <message>
        <source>%1 was not released</source>
        <translation>%1 släpptes inte</translation>
    </message>
    <message>
        <source>Every player is in a team.</source>
        <translation>Alla spelare är i ett lag.</translation>
    </message>
    <message>
        <source>Choose the player to copy in the roster.</source>
        <translation>Välj spelaren som ska kopieras i truppen.</translation>
    </message>
    <message>
        <source>new player %1</source>
        <translation>ny spelare %1</translation>
    </message>
    <message>
        <source>No new player</source>
        <translation>Ingen ny spelare</translation>
    </message>
</context>
<context>
    <name>qira::table_model</name>
    <message>
        <source>edit %1 %2</source>
        <translation>redigera %1 %2</translation>
    </message>
    <message>
        <source>%1: %2, %3 bits (descriptor words %4 and %5)</source>
        <extracomment>%1: the field; %2: what part of the row it is; %3 to %5: where it is stored</extracomment>
        <translation>%1: %2, %3 bitar (deskriptorord %4 och %5)</translation>
    </message>
    <message>
        <source>%1: %2, %3 bits (descriptor words %4 and %5); names a row of table %6 (%7) by its id</source>
        <extracomment>%1: the field; %2: what part of the row it is; %3 to %5: where it is stored; %6 and %7: the number and the name of the table whose rows it names</extracomment>
        <translation>%1: %2, %3 bitar (deskriptorord %4 och %5); pekar på en rad i tabell %6 (%7) med dess id</translation>
    </message>
    <message>
        <source>%1: %2, a whole word</source>
        <extracomment>%1: the field; %2: what part of the row it is</extracomment>
        <translation>%1: %2, ett helt ord</translation>
    </message>
    <message>
        <source>%1: %2, a whole word; names a row of table %3 (%4) by its id</source>
        <extracomment>%1: the field; %2: what part of the row it is; %3 and %4: the number and the name of the table whose rows it names</extracomment>
        <translation>%1: %2, ett helt ord; pekar på en rad i tabell %3 (%4) med dess id</translation>
    </message>
</context>
<context>
    <name>qira::tables_window</name>
    <message numerus="yes">
        <source>%1  %2  (%Ln rows)</source>
        <extracomment>%1: the table&apos;s number; %2: its name; %n: how many rows it has</extracomment>
        <translation>
            <numerusform>%1  %2  (%Ln rad)</numerusform>
            <numerusform>%1  %2  (%Ln rader)</numerusform>
        </translation>
    </message>
    <message>
        <source>All tables - %1</source>
        <extracomment>%1: the program&apos;s name</extracomment>
        <translation>Alla tabeller - %1</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportera CSV</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importera CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-filer (*.csv);;Alla filer (*)</translation>
    </message>
    <message>
        <source>Tables</source>
        <translation>Tabeller</translation>
    </message>
    <message>
        <source>Columns named...</source>
        <translation>Kolumner med namn...</translation>
    </message>
    <message>
        <source>Show only the columns whose name contains</source>
        <translation>Visa bara kolumnerna vars namn innehåller</translation>
    </message>
    <message>
        <source>Filter all columns (Ctrl+F)</source>
        <translation>Filtrera alla kolumner (Ctrl+F)</translation>
    </message>
    <message>
        <source>Filter over all columns</source>
        <translation>Filter över alla kolumner</translation>
    </message>
    <message>
        <source>Rows shown</source>
        <translation>Rader som visas</translation>
    </message>
    <message>
        <source>Rows of the table</source>
        <translation>Tabellens rader</translation>
    </message>
    <message>
        <source>Insert copy</source>
        <translation>Infoga kopia</translation>
    </message>
    <message>
        <source>Insert a copy of each selected row after it</source>
        <translation>Infoga en kopia av varje markerad rad efter den</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Button: deletes the selected rows</extracomment>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Delete the selected rows</source>
        <translation>Ta bort de markerade raderna</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exportera CSV...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importera CSV...</translation>
    </message>
    <message>
        <source>Replace the rows of this table by a CSV file&apos;s</source>
        <translation>Ersätt tabellens rader med en CSV-fils</translation>
    </message>
    <message>
        <source>Fill...</source>
        <translation>Fyll...</translation>
    </message>
    <message>
        <source>Set the selected cells to one value</source>
        <translation>Sätt de markerade cellerna till ett värde</translation>
    </message>
    <message>
        <source>Adjust...</source>
        <translation>Justera...</translation>
    </message>
    <message>
        <source>Add to or multiply the current column&apos;s values in every row the filters show</source>
        <translation>Addera till eller multiplicera den aktuella kolumnens värden i varje rad som filtren visar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gör om</translation>
    </message>
    <message>
        <source>Tables status</source>
        <translation>Tabellstatus</translation>
    </message>
    <message>
        <source>Not adjusted: choose a cell of the column to adjust.</source>
        <translation>Inte justerat: välj en cell i kolumnen som ska justeras.</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Sortera efter namn</translation>
    </message>
    <message>
        <source>Sort by number</source>
        <translation>Sortera efter nummer</translation>
    </message>
    <message>
        <source>Sort the current column by the names of the rows it names (again: the other way)</source>
        <translation>Sortera den aktuella kolumnen efter namnen på raderna den pekar på (igen: omvänt)</translation>
    </message>
    <message>
        <source>Sort the current column by its values (again: the other way)</source>
        <translation>Sortera den aktuella kolumnen efter dess värden (igen: omvänt)</translation>
    </message>
    <message>
        <source>Not sorted: choose a cell of the column to sort by.</source>
        <translation>Inte sorterat: välj en cell i kolumnen att sortera efter.</translation>
    </message>
    <message>
        <source>%1 names no rows: sorted by its values.</source>
        <extracomment>%1: the column</extracomment>
        <translation>%1 pekar inte på några rader: sorterat efter dess värden.</translation>
    </message>
    <message>
        <source>Sorted by %1 (names, ascending).</source>
        <translation>Sorterat efter %1 (namn, stigande).</translation>
    </message>
    <message>
        <source>Sorted by %1 (names, descending).</source>
        <translation>Sorterat efter %1 (namn, fallande).</translation>
    </message>
    <message>
        <source>Sorted by %1 (values, ascending).</source>
        <translation>Sorterat efter %1 (värden, stigande).</translation>
    </message>
    <message>
        <source>Sorted by %1 (values, descending).</source>
        <translation>Sorterat efter %1 (värden, fallande).</translation>
    </message>
    <message>
        <source>%L1 of %L2 rows</source>
        <extracomment>%1: the rows the filters show; %2: all rows of the table</extracomment>
        <translation>%L1 av %L2 rader</translation>
    </message>
    <message>
        <source>insert %1 row copies in table %2</source>
        <extracomment>%1: how many rows; %2: the table&apos;s number</extracomment>
        <translation>infoga %1 radkopior i tabell %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows inserted.</source>
        <translation>
            <numerusform>%Ln rad infogad.</numerusform>
            <numerusform>%Ln rader infogade.</numerusform>
        </translation>
    </message>
    <message>
        <source>delete %1 rows of table %2</source>
        <extracomment>%1: how many rows; %2: the table&apos;s number</extracomment>
        <translation>ta bort %1 rader i tabell %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows deleted.</source>
        <translation>
            <numerusform>%Ln rad borttagen.</numerusform>
            <numerusform>%Ln rader borttagna.</numerusform>
        </translation>
    </message>
    <message>
        <source>no table is shown</source>
        <translation>ingen tabell visas</translation>
    </message>
    <message>
        <source>Table %1 exported to %2 (%L3 rows).</source>
        <extracomment>%1: the table&apos;s number; %2: the file; %3: how many rows</extracomment>
        <translation>Tabell %1 exporterad till %2 (%L3 rader).</translation>
    </message>
    <message>
        <source>import %1 into table %2</source>
        <extracomment>%1: the CSV file; %2: the table&apos;s number</extracomment>
        <translation>importera %1 till tabell %2</translation>
    </message>
    <message>
        <source>%1 Warning: %2</source>
        <extracomment>%1: what the import did; %2: what the user should know about it</extracomment>
        <translation>%1 Varning: %2</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Fyll</translation>
    </message>
    <message>
        <source>Value for the selected cells:</source>
        <translation>Värde för de markerade cellerna:</translation>
    </message>
    <message>
        <source>Adjust %1</source>
        <extracomment>%1: the column</extracomment>
        <translation>Justera %1</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>How to adjust the values: add the amount to each, or multiply each by it</extracomment>
        <translation>Addera</translation>
    </message>
    <message>
        <source>Multiply by</source>
        <translation>Multiplicera med</translation>
    </message>
    <message>
        <source>Adjust by</source>
        <translation>Justera med</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Tal</translation>
    </message>
    <message>
        <source>&amp;Adjust</source>
        <translation>&amp;Justera</translation>
    </message>
    <message>
        <source>A&amp;mount</source>
        <translation>&amp;Tal</translation>
    </message>
    <message>
        <source>Every row the filters show; each value held within its field&apos;s range.</source>
        <translation>Varje rad som filtren visar; varje värde hålls inom fältets intervall.</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>%1: the row&apos;s number; %2: the column; %3: the problem</extracomment>
        <translation>rad %1, kolumn %2: %3</translation>
    </message>
    <message>
        <source>Not copied: select one rectangle of cells.</source>
        <translation>Inte kopierat: markera en enda rektangel av celler.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells copied.</source>
        <translation>
            <numerusform>%Ln cell kopierad.</numerusform>
            <numerusform>%Ln celler kopierade.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not pasted: choose the cell to paste from.</source>
        <translation>Inte inklistrat: välj cellen där inklistringen ska börja.</translation>
    </message>
    <message>
        <source>Not pasted</source>
        <translation>Inte inklistrat</translation>
    </message>
    <message>
        <source>paste %1 cells in table %2</source>
        <extracomment>%1: how many cells; %2: the table&apos;s number</extracomment>
        <translation>klistra in %1 celler i tabell %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells pasted.</source>
        <translation>
            <numerusform>%Ln cell inklistrad.</numerusform>
            <numerusform>%Ln celler inklistrade.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not filled</source>
        <translation>Inte fyllt</translation>
    </message>
    <message>
        <source>fill %1 cells of table %2</source>
        <extracomment>%1: how many cells; %2: the table&apos;s number</extracomment>
        <translation>fyll %1 celler i tabell %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells filled with %1.</source>
        <extracomment>%1: the value typed</extracomment>
        <translation>
            <numerusform>%Ln cell fylld med %1.</numerusform>
            <numerusform>%Ln celler fyllda med %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not adjusted</source>
        <translation>Inte justerat</translation>
    </message>
    <message>
        <source>adjust %1 of %2 rows</source>
        <extracomment>%1: the column; %2: how many rows</extracomment>
        <translation>justera %1 i %2 rader</translation>
    </message>
    <message numerus="yes">
        <source>%1 adjusted in %Ln rows.</source>
        <extracomment>%1: the column; %n: how many rows</extracomment>
        <translation>
            <numerusform>%1 justerad i %Ln rad.</numerusform>
            <numerusform>%1 justerad i %Ln rader.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 adjusted in %2 rows; %3 held at the end of the field&apos;s range.</source>
        <translation>%1 justerad i %2 rader; %3 hölls vid gränsen för fältets intervall.</translation>
    </message>
    <message>
        <source>Not inserted: %1</source>
        <extracomment>%1: why the rows were not inserted</extracomment>
        <translation>Inte infogat: %1</translation>
    </message>
    <message>
        <source>Not deleted: %1</source>
        <extracomment>%1: why the rows were not deleted</extracomment>
        <translation>Inte borttaget: %1</translation>
    </message>
</context>
<context>
    <name>qira::team_page</name>
    <message>
        <source>Apply roster %1</source>
        <extracomment>Undo step of the roster page&apos;s Apply; %1: the team</extracomment>
        <translation>Verkställ trupp %1</translation>
    </message>
    <message>
        <source>Name long</source>
        <translation>Långt namn</translation>
    </message>
    <message>
        <source>Name (5)</source>
        <translation>Namn (5)</translation>
    </message>
    <message>
        <source>Name (10)</source>
        <translation>Namn (10)</translation>
    </message>
    <message>
        <source>Team prestige</source>
        <translation>Lagets prestige</translation>
    </message>
    <message>
        <source>Formation</source>
        <translation>Formation</translation>
    </message>
    <message>
        <source>Attack style</source>
        <translation>Anfallsstil</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Arena</translation>
    </message>
    <message>
        <source>Captain</source>
        <translation>Lagkapten</translation>
    </message>
    <message>
        <source>Penaltist</source>
        <translation>Straffskytt</translation>
    </message>
    <message>
        <source>Edit team players &gt;&gt;&gt;</source>
        <translation>Redigera truppen &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Apply team %1</source>
        <extracomment>Undo step of the team page&apos;s Apply; %1: the team</extracomment>
        <translation>Verkställ lag %1</translation>
    </message>
</context>
<context>
    <name>qira::tree_find</name>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Sök (Ctrl+F)</translation>
    </message>
    <message>
        <source>Name or part of a name, any case, accents optional; a number or #number finds a player by id. Enter or F3: next, Shift+Enter or Shift+F3: previous, Esc: back to the tree.</source>
        <translation>Namn eller del av ett namn, skiftlägesokänsligt, accenter valfria; ett nummer eller #nummer hittar en spelare efter id. Enter eller F3: nästa, Shift+Enter eller Shift+F3: föregående, Esc: tillbaka till trädet.</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button that empties the find field</extracomment>
        <translation>Rensa</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <extracomment>The clear button&apos;s name for screen readers; %1: the find field&apos;s name (&quot;find in tree&quot;)</extracomment>
        <translation>Rensa %1</translation>
    </message>
    <message>
        <source>Clear the find field</source>
        <translation>Rensa sökfältet</translation>
    </message>
    <message>
        <source>%L1 of %L2</source>
        <extracomment>Which match of the find is shown: %1 of %2 matches</extracomment>
        <translation>%L1 av %L2</translation>
    </message>
    <message>
        <source>no match</source>
        <translation>ingen träff</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 träff</translation>
    </message>
    <message numerus="yes">
        <source>%Ln matches</source>
        <translation>
            <numerusform>%Ln träff</numerusform>
            <numerusform>%Ln träffar</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::undo_buttons</name>
    <message>
        <source>Undo %1 (%2)</source>
        <extracomment>%1: the step Undo takes back (e.g. &quot;Apply player Ann Lee&quot;); %2: its keys</extracomment>
        <translation>Ångra %1 (%2)</translation>
    </message>
    <message>
        <source>Redo %1 (%2)</source>
        <translation>Gör om %1 (%2)</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1: the step Undo takes back (e.g. &quot;Apply player Ann Lee&quot;)</extracomment>
        <translation>Ångra %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Gör om %1</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Inget att ångra</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Inget att göra om</translation>
    </message>
</context>
</TS>
