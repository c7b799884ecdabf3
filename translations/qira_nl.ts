<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerpen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Window language</source>
        <translation>Venstertaal</translation>
    </message>
    <message>
        <source>The language of the editor&apos;s window, from its next start</source>
        <translation>De taal van het venster van de editor, vanaf de volgende start</translation>
    </message>
    <message>
        <source>The choice of language could not be stored.</source>
        <translation>De taalkeuze kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>The window speaks %1.</source>
        <translation>Het venster gebruikt %1.</translation>
    </message>
    <message>
        <source>The window will speak %1 from the editor&apos;s next start.</source>
        <translation>Het venster gebruikt %1 vanaf de volgende start van de editor.</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Database openen</translation>
    </message>
    <message>
        <source>Game folder...</source>
        <translation>Spelmap...</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes the open game&apos;s files without leaving the editor</extracomment>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Wijzigingen opslaan</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Quits the editor</extracomment>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Save changes as patch...</source>
        <translation>Wijzigingen als patch opslaan...</translation>
    </message>
    <message>
        <source>Apply patch...</source>
        <translation>Patch toepassen...</translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation>Vergelijken met...</translation>
    </message>
    <message>
        <source>Merge patches...</source>
        <translation>Patches samenvoegen...</translation>
    </message>
    <message>
        <source>Finish Editing...</source>
        <extracomment>Leaves the pages for the start screen, where the game is saved or closed</extracomment>
        <translation>Bewerken afronden...</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Takes back the last change</extracomment>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Makes again the last change taken back</extracomment>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>All tables...</source>
        <translation>Alle tabellen...</translation>
    </message>
    <message>
        <source>Check game...</source>
        <translation>Controleren...</translation>
    </message>
    <message>
        <source>QIRA 2004 was not found: choose its folder with &quot;Game folder...&quot;.</source>
        <translation>QIRA 2004 is niet gevonden: kies de map van het spel met &quot;Spelmap...&quot;.</translation>
    </message>
    <message>
        <source>Continue Editing...</source>
        <translation>Verder bewerken...</translation>
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
        <translation>Kies links competities, teams en spelers
en bewerk rechts hun eigenschappen.
Vergeet niet: klik op &apos;Toepassen&apos; om wijzigingen op te slaan.

Klik linksboven op &apos;Bewerken afronden&apos; om
naar het hoofdscherm te gaan (daar sla je al je
wijzigingen ten slotte op met &apos;Wijzigingen opslaan&apos;)

Je kunt de namen van competities en teams 
voor het spel wijzigen, maar in dit programma veranderen ze niet</translation>
    </message>
    <message>
        <source>Find in tree</source>
        <translation>Zoeken in boom</translation>
    </message>
    <message>
        <source>Leagues, teams and players</source>
        <translation>Competities, teams en spelers</translation>
    </message>
    <message>
        <source>Every table and field in a grid (Ctrl+T)</source>
        <translation>Elke tabel en elk veld in een raster (Ctrl+T)</translation>
    </message>
    <message>
        <source>References between the tables that point nowhere, and other problems</source>
        <translation>Verwijzingen tussen de tabellen die nergens heen wijzen, en andere problemen</translation>
    </message>
    <message>
        <source>An editor for the data files of QIRA 2004.
It changes the leagues, teams and players of an installed game:
titles and names, formations, stadiums, captains, squad numbers
and player attributes, and players can change teams.</source>
        <translation>Een editor voor de gegevensbestanden van QIRA 2004.
Hij wijzigt de competities, teams en spelers van een geïnstalleerd spel:
titels en namen, opstellingen, stadions, aanvoerders, rugnummers
en eigenschappen van spelers, en spelers kunnen van team wisselen.</translation>
    </message>
    <message>
        <source>This program is not made or supported by the makers of the game.
Keep a copy of the data\cmn folder before you save changes.</source>
        <translation>Dit programma is niet gemaakt of ondersteund door de makers van het spel.
Maak een kopie van de map data\cmn voordat je wijzigingen opslaat.</translation>
    </message>
    <message>
        <source>Choose the game&apos;s folder</source>
        <translation>Kies de map van het spel</translation>
    </message>
    <message>
        <source>Language file</source>
        <translation>Taalbestand</translation>
    </message>
    <message>
        <source>Write what you changed since opening as a patch file to share</source>
        <translation>Schrijf wat je sinds het openen hebt gewijzigd naar een patchbestand om te delen</translation>
    </message>
    <message>
        <source>Apply a patch file to the open game, as one step that can be undone</source>
        <translation>Pas een patchbestand toe op het geopende spel, als één stap die ongedaan kan worden gemaakt</translation>
    </message>
    <message>
        <source>Compare the open game with another install&apos;s and take over the differences you tick (Ctrl+Shift+D)</source>
        <translation>Vergelijk het geopende spel met een andere installatie en neem de verschillen over die je aanvinkt (Ctrl+Shift+D)</translation>
    </message>
    <message>
        <source>Compare with another game</source>
        <translation>Vergelijken met een ander spel</translation>
    </message>
    <message>
        <source>Merge two patch files made on the open game, choose a side where they disagree and apply (Ctrl+Shift+M)</source>
        <translation>Voeg twee patchbestanden van het geopende spel samen, kies een kant waar ze verschillen en pas toe (Ctrl+Shift+M)</translation>
    </message>
    <message>
        <source>Merge two patches</source>
        <translation>Twee patches samenvoegen</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>The name screen readers give the start screen&apos;s status line</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>League</source>
        <extracomment>Tab title of the page of a league</extracomment>
        <translation>Competitie</translation>
    </message>
    <message>
        <source>Team</source>
        <extracomment>Tab title of the page of a team</extracomment>
        <translation>Team</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Tab title of the page of a player</extracomment>
        <translation>Speler</translation>
    </message>
    <message>
        <source>blank</source>
        <extracomment>Tab title of the page that moves players between teams (it has always read &quot;blank&quot;)</extracomment>
        <translation>leeg</translation>
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
        <translation>competitie-id %1 is ook het id van %2</translation>
    </message>
    <message>
        <source>league %1 has no name in the language file</source>
        <translation>competitie %1 heeft geen naam in het taalbestand</translation>
    </message>
    <message>
        <source>player id %1 is also the id of %2</source>
        <translation>speler-id %1 is ook het id van %2</translation>
    </message>
    <message>
        <source>stadium id %1 is also the id of %2</source>
        <translation>stadion-id %1 is ook het id van %2</translation>
    </message>
    <message>
        <source>stadium %1 has no name in the language file</source>
        <translation>stadion %1 heeft geen naam in het taalbestand</translation>
    </message>
    <message>
        <source>team id %1 is also the id of %2</source>
        <translation>team-id %1 is ook het id van %2</translation>
    </message>
    <message>
        <source>team %1 has no name in the language file</source>
        <translation>team %1 heeft geen naam in het taalbestand</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a row of the game database, %2 what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>player %1 is in team %2 twice (also %3)</source>
        <translation>speler %1 staat twee keer in team %2 (ook %3)</translation>
    </message>
    <message>
        <source>players %1 and %2 of team %3 both wear number %4 (also %5)</source>
        <translation>spelers %1 en %2 van team %3 hebben allebei rugnummer %4 (ook %5)</translation>
    </message>
    <message>
        <source>team %1 has no row in table 9 (team settings)</source>
        <translation>team %1 heeft geen rij in tabel 9 (teaminstellingen)</translation>
    </message>
    <message>
        <source>captain %1 of team %2 is not in the team</source>
        <translation>aanvoerder %1 van team %2 zit niet in het team</translation>
    </message>
    <message>
        <source>penalty taker %1 of team %2 is not in the team</source>
        <translation>strafschopnemer %1 van team %2 zit niet in het team</translation>
    </message>
    <message>
        <source>nation</source>
        <translation>land</translation>
    </message>
    <message>
        <source>league</source>
        <translation>competitie</translation>
    </message>
    <message>
        <source>league-team link</source>
        <translation>koppeling competitie-team</translation>
    </message>
    <message>
        <source>referee</source>
        <translation>scheidsrechter</translation>
    </message>
    <message>
        <source>player</source>
        <translation>speler</translation>
    </message>
    <message>
        <source>kit</source>
        <translation>tenue</translation>
    </message>
    <message>
        <source>cup</source>
        <translation>beker</translation>
    </message>
    <message>
        <source>stadium</source>
        <translation>stadion</translation>
    </message>
    <message>
        <source>tactic</source>
        <translation>tactiek</translation>
    </message>
    <message>
        <source>team settings</source>
        <translation>teaminstellingen</translation>
    </message>
    <message>
        <source>fixture</source>
        <translation>wedstrijd</translation>
    </message>
    <message>
        <source>team-player link</source>
        <translation>koppeling team-speler</translation>
    </message>
    <message>
        <source>manager</source>
        <translation>trainer</translation>
    </message>
    <message>
        <source>team</source>
        <translation>team</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>instelling</translation>
    </message>
    <message>
        <source>row of table %1</source>
        <translation>rij van tabel %1</translation>
    </message>
    <message>
        <source>%1 %2 does not exist</source>
        <extracomment>%1 is what a row is (player, team, ...), %2 its id</extracomment>
        <translation>%1 %2 bestaat niet</translation>
    </message>
    <message>
        <source>%1 %2: its %3 %4 does not exist</source>
        <extracomment>%1 %2: the row holding the reference (what it is, its id); %3 %4: the row it names</extracomment>
        <translation>%1 %2: %3 %4 bestaat niet</translation>
    </message>
    <message>
        <source>%1 %2: its %3 %4 (%5) does not exist</source>
        <extracomment>as &quot;%1 %2: its %3 %4 does not exist&quot;, %5 the field holding the reference</extracomment>
        <translation>%1 %2: %3 %4 (%5) bestaat niet</translation>
    </message>
</context>
<context>
    <name>qira::check_commands</name>
    <message numerus="yes">
        <source>and %Ln more</source>
        <extracomment>The last line of a list of problems; %Ln: how many more are not listed</extracomment>
        <translation>
            <numerusform>en nog %Ln</numerusform>
            <numerusform>en nog %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>The changes leave a problem the files did not have:

%1

Save anyway?</source>
        <extracomment>%1: the problem, on its own line</extracomment>
        <translation>De wijzigingen laten een probleem achter dat de bestanden niet hadden:

%1

Toch opslaan?</translation>
    </message>
    <message numerus="yes">
        <source>The changes leave %Ln problems the files did not have:

%1

Save anyway?</source>
        <extracomment>%Ln: how many problems (two or more); %1: the problems, one a line</extracomment>
        <translation>
            <numerusform>De wijzigingen laten %Ln probleem achter dat de bestanden niet hadden:

%1

Toch opslaan?</numerusform>
            <numerusform>De wijzigingen laten %Ln problemen achter die de bestanden niet hadden:

%1

Toch opslaan?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::check_window</name>
    <message>
        <source>Check game</source>
        <translation>Spel controleren</translation>
    </message>
    <message>
        <source>Check summary</source>
        <translation>Samenvatting van de controle</translation>
    </message>
    <message>
        <source>Problems of the game</source>
        <translation>Problemen van het spel</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Opnieuw controleren</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <extracomment>%1: the number of problems (&quot;1 problem&quot;, &quot;3 problems&quot;); %2: how many of them are new</extracomment>
        <translation>Geen problemen gevonden.</translation>
    </message>
    <message>
        <source>%1, %L2 of them made since the files were opened. Double-click one to show its row.</source>
        <translation>%1, waarvan %L2 ontstaan sinds de bestanden zijn geopend. Dubbelklik op een probleem om de rij ervan te tonen.</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 probleem</translation>
    </message>
    <message numerus="yes">
        <source>%Ln problems</source>
        <translation>
            <numerusform>%Ln probleem</numerusform>
            <numerusform>%Ln problemen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1  (in the files as opened)</source>
        <translation>%1  (in de bestanden zoals geopend)</translation>
    </message>
</context>
<context>
    <name>qira::csv</name>
    <message>
        <source>the database has no table %1</source>
        <translation>de database heeft geen tabel %1</translation>
    </message>
    <message>
        <source>%1 problem</source>
        <translation>%1 probleem</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 problemen</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>een veld tussen aanhalingstekens is niet afgesloten</translation>
    </message>
    <message>
        <source>the file is UTF-16 text (big-endian), broken at byte %1: an odd number of bytes or half a character</source>
        <translation>het bestand is UTF-16-tekst (big-endian), afgebroken bij byte %1: een oneven aantal bytes of een half teken</translation>
    </message>
    <message>
        <source>the file is UTF-16 text (little-endian), broken at byte %1: an odd number of bytes or half a character</source>
        <translation>het bestand is UTF-16-tekst (little-endian), afgebroken bij byte %1: een oneven aantal bytes of een half teken</translation>
    </message>
    <message>
        <source>the file looks like UTF-16 text without a byte-order mark (a NUL in every other byte); save it as CSV UTF-8, or as Unicode text with its byte-order mark</source>
        <translation>het bestand lijkt UTF-16-tekst zonder BOM (byte-order mark), want elke tweede byte is een NUL; sla het op als CSV UTF-8, of als Unicode-tekst met BOM</translation>
    </message>
    <message>
        <source>no field of table %1 has this name</source>
        <translation>geen veld van tabel %1 heeft deze naam</translation>
    </message>
    <message>
        <source>the column is repeated</source>
        <translation>de kolom komt twee keer voor</translation>
    </message>
    <message>
        <source>the header has %1 columns; table %2 has %3 column</source>
        <translation>de kopregel heeft %1 kolommen; tabel %2 heeft %3 kolom</translation>
    </message>
    <message>
        <source>the header has %1 columns; table %2 has %3 columns</source>
        <translation>de kopregel heeft %1 kolommen; tabel %2 heeft %3 kolommen</translation>
    </message>
    <message>
        <source>the column is missing</source>
        <translation>de kolom ontbreekt</translation>
    </message>
    <message>
        <source>%1 fields, but the header has %2</source>
        <translation>%1 velden, maar de kopregel heeft er %2</translation>
    </message>
    <message>
        <source>the file is empty; it needs a header of the table&apos;s field names</source>
        <translation>het bestand is leeg; het moet een kopregel met de veldnamen van de tabel hebben</translation>
    </message>
    <message>
        <source>%1 imported into table %2: %3 row</source>
        <translation>%1 geïmporteerd in tabel %2: %3 rij</translation>
    </message>
    <message>
        <source>%1 imported into table %2: %3 rows</source>
        <translation>%1 geïmporteerd in tabel %2: %3 rijen</translation>
    </message>
    <message>
        <source>%1 matched by key</source>
        <translation>%1 gekoppeld op sleutel</translation>
    </message>
    <message>
        <source>%1 placed by position</source>
        <translation>%1 geplaatst op positie</translation>
    </message>
    <message>
        <source>%1 new</source>
        <translation>%1 nieuw</translation>
    </message>
    <message>
        <source>%1 with a repeated key</source>
        <translation>%1 met een herhaalde sleutel</translation>
    </message>
    <message>
        <source>%1 text of %2 is not valid UTF-8 and was kept as its bytes; was the file saved in another encoding?</source>
        <translation>%1 tekst van %2 is geen geldige UTF-8 en is als bytes bewaard; is het bestand in een andere codering opgeslagen?</translation>
    </message>
    <message>
        <source>%1 texts of %2 are not valid UTF-8 and were kept as their bytes; was the file saved in another encoding?</source>
        <translation>%1 teksten van %2 zijn geen geldige UTF-8 en zijn als bytes bewaard; is het bestand in een andere codering opgeslagen?</translation>
    </message>
    <message>
        <source>the table has no key fields</source>
        <translation>de tabel heeft geen sleutelvelden</translation>
    </message>
    <message>
        <source>the table&apos;s keys are not unique</source>
        <translation>de sleutels van de tabel zijn niet uniek</translation>
    </message>
</context>
<context>
    <name>qira::edit</name>
    <message>
        <source>there is no table %1</source>
        <translation>er is geen tabel %1</translation>
    </message>
    <message>
        <source>no row is selected</source>
        <translation>er is geen rij geselecteerd</translation>
    </message>
    <message>
        <source>%1 is not a text</source>
        <translation>%1 is geen tekst</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 is geen geheel getal</translation>
    </message>
    <message>
        <source>%1 does not fit in %2 bit</source>
        <translation>%1 past niet in %2 bit</translation>
    </message>
    <message>
        <source>%1 does not fit in %2 bits</source>
        <translation>%1 past niet in %2 bits</translation>
    </message>
    <message>
        <source>%1 does not fit in 32 bits</source>
        <translation>%1 past niet in 32 bits</translation>
    </message>
    <message>
        <source>there is no such cell</source>
        <translation>die cel bestaat niet</translation>
    </message>
    <message>
        <source>table %1 would have %2 rows; a table holds at most %3</source>
        <translation>tabel %1 zou %2 rijen krijgen; een tabel bevat er hoogstens %3</translation>
    </message>
    <message>
        <source>table %1 would have %2 row words; a table holds at most %3</source>
        <translation>tabel %1 zou %2 rijwoorden krijgen; een tabel bevat er hoogstens %3</translation>
    </message>
    <message>
        <source>%1 value does not fit; nothing was changed</source>
        <translation>%1 waarde past niet; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>%1 values do not fit; nothing was changed</source>
        <translation>%1 waarden passen niet; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>there is no cell to paste into</source>
        <translation>er is geen cel om in te plakken</translation>
    </message>
    <message>
        <source>there is nothing to paste</source>
        <translation>er is niets om te plakken</translation>
    </message>
    <message>
        <source>the text runs past the last shown row: it has %1 row, and %2 row is shown from the current cell on; nothing was changed</source>
        <translation>de tekst loopt voorbij de laatste getoonde rij: hij heeft %1 rij, en vanaf de huidige cel wordt %2 rij getoond; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>the text runs past the last shown row: it has %1 row, and %2 rows are shown from the current cell on; nothing was changed</source>
        <translation>de tekst loopt voorbij de laatste getoonde rij: hij heeft %1 rij, en vanaf de huidige cel worden %2 rijen getoond; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>the text runs past the last shown row: it has %1 rows, and %2 row is shown from the current cell on; nothing was changed</source>
        <translation>de tekst loopt voorbij de laatste getoonde rij: hij heeft %1 rijen, en vanaf de huidige cel wordt %2 rij getoond; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>the text runs past the last shown row: it has %1 rows, and %2 rows are shown from the current cell on; nothing was changed</source>
        <translation>de tekst loopt voorbij de laatste getoonde rij: hij heeft %1 rijen, en vanaf de huidige cel worden %2 rijen getoond; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>the text runs past the last shown column: it has %1 column, and %2 column is shown from the current cell on; nothing was changed</source>
        <translation>de tekst loopt voorbij de laatste getoonde kolom: hij heeft %1 kolom, en vanaf de huidige cel wordt %2 kolom getoond; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>the text runs past the last shown column: it has %1 column, and %2 columns are shown from the current cell on; nothing was changed</source>
        <translation>de tekst loopt voorbij de laatste getoonde kolom: hij heeft %1 kolom, en vanaf de huidige cel worden %2 kolommen getoond; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>the text runs past the last shown column: it has %1 columns, and %2 column is shown from the current cell on; nothing was changed</source>
        <translation>de tekst loopt voorbij de laatste getoonde kolom: hij heeft %1 kolommen, en vanaf de huidige cel wordt %2 kolom getoond; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>the text runs past the last shown column: it has %1 columns, and %2 columns are shown from the current cell on; nothing was changed</source>
        <translation>de tekst loopt voorbij de laatste getoonde kolom: hij heeft %1 kolommen, en vanaf de huidige cel worden %2 kolommen getoond; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>there is no cell to fill</source>
        <translation>er is geen cel om te vullen</translation>
    </message>
    <message>
        <source>there is no column to adjust</source>
        <translation>er is geen kolom om aan te passen</translation>
    </message>
    <message>
        <source>the amount is not a number</source>
        <translation>de hoeveelheid is geen getal</translation>
    </message>
    <message>
        <source>only packed values can be adjusted; %1 is a key</source>
        <translation>alleen verpakte waarden kunnen worden aangepast; %1 is een sleutel</translation>
    </message>
    <message>
        <source>only packed values can be adjusted; %1 is a extra</source>
        <translation>alleen verpakte waarden kunnen worden aangepast; %1 is een extra</translation>
    </message>
    <message>
        <source>only packed values can be adjusted; %1 is a text</source>
        <translation>alleen verpakte waarden kunnen worden aangepast; %1 is een tekst</translation>
    </message>
    <message>
        <source>team %1 does not exist</source>
        <translation>team %1 bestaat niet</translation>
    </message>
    <message>
        <source>player %1 is already in team %2; a team holds a player once</source>
        <translation>speler %1 zit al in team %2; een speler staat maar één keer in een team</translation>
    </message>
    <message>
        <source>team %1 has no free jersey number</source>
        <translation>team %1 heeft geen vrij rugnummer</translation>
    </message>
    <message>
        <source>table 11 (team players) is missing or lacks its fields</source>
        <translation>tabel 11 (teamspelers) ontbreekt of mist zijn velden</translation>
    </message>
    <message>
        <source>no membership row %1</source>
        <translation>er is geen lidmaatschapsrij %1</translation>
    </message>
    <message>
        <source>no player row %1</source>
        <translation>er is geen spelersrij %1</translation>
    </message>
    <message>
        <source>no player id is left</source>
        <translation>er is geen speler-id meer vrij</translation>
    </message>
</context>
<context>
    <name>qira::file_commands</name>
    <message>
        <source>Can&apos;t open %1 file!
<byte value="xd"/>Make sure QIRA 2004 fully installed</source>
        <extracomment>%1: the language file&apos;s name (eng.db)</extracomment>
        <translation>Kan het bestand %1 niet openen!
<byte value="xd"/>Controleer of QIRA 2004 volledig is geïnstalleerd</translation>
    </message>
    <message>
        <source>Can&apos;t open %1 file.
<byte value="xd"/>Make sure QIRA 2004 fully installed</source>
        <extracomment>%1: the game database&apos;s name (qira.db)</extracomment>
        <translation>Kan het bestand %1 niet openen.
<byte value="xd"/>Controleer of QIRA 2004 volledig is geïnstalleerd</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <extracomment>Title of the message box of a game file that did not load</extracomment>
        <translation>Fatale fout</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Title of the message box of a save that failed</extracomment>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Changes saved to %1 and %2.</source>
        <extracomment>%1: the game database&apos;s file name, %2: the language file&apos;s name</extracomment>
        <translation>Wijzigingen opgeslagen in %1 en %2.</translation>
    </message>
    <message>
        <source>There are changes that have not been saved. Discard them?</source>
        <translation>Er zijn wijzigingen die niet zijn opgeslagen. Wil je ze verwerpen?</translation>
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
        <translation>Filter van kolom %1</translation>
    </message>
    <message>
        <source>Rows whose %1 contains this text, or a comparison: =5, !=5, &gt;10, &lt;=3, 10..20</source>
        <extracomment>%1: the column&apos;s name</extracomment>
        <translation>Rijen waarvan %1 deze tekst bevat, of een vergelijking: =5, !=5, &gt;10, &lt;=3, 10..20</translation>
    </message>
</context>
<context>
    <name>qira::free_player_dialog</name>
    <message>
        <source>Sign free player</source>
        <translation>Vrije speler aantrekken</translation>
    </message>
    <message>
        <source>Filter by name or id</source>
        <translation>Filteren op naam of id</translation>
    </message>
    <message>
        <source>Filter of players without a team</source>
        <translation>Filter van spelers zonder team</translation>
    </message>
    <message>
        <source>Players without a team</source>
        <translation>Spelers zonder team</translation>
    </message>
    <message>
        <source>&amp;Players without a team (%L1)</source>
        <translation>&amp;Spelers zonder team (%L1)</translation>
    </message>
</context>
<context>
    <name>qira::game_folder</name>
    <message>
        <source>The folder QIRA 2004 is installed in</source>
        <translation>De map waarin QIRA 2004 is geïnstalleerd</translation>
    </message>
    <message>
        <source>%1 holds no data\cmn\qira.db, so it is not the folder of QIRA 2004.

Choose the folder the game is installed in (the one that holds &quot;data&quot;).</source>
        <extracomment>%1: the folder chosen</extracomment>
        <translation>%1 bevat geen data\cmn\qira.db en is dus niet de map van QIRA 2004.

Kies de map waarin het spel is geïnstalleerd (de map met &quot;data&quot;).</translation>
    </message>
    <message>
        <source>The game&apos;s folder is %1.</source>
        <extracomment>%1: the game&apos;s install folder</extracomment>
        <translation>De map van het spel is %1.</translation>
    </message>
    <message>
        <source>The game&apos;s folder is %1 for now: it could not be remembered for the next start.</source>
        <extracomment>%1: the game&apos;s install folder</extracomment>
        <translation>De map van het spel is voorlopig %1: deze kon niet worden onthouden voor de volgende start.</translation>
    </message>
</context>
<context>
    <name>qira::handler_values</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is geen geldig geheel getal</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Lijstindex buiten bereik (%1)</translation>
    </message>
</context>
<context>
    <name>qira::item_lists</name>
    <message>
        <source>Primier</source>
        <translation>Hoogste</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Eerste</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Tweede</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Derde</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Overig</translation>
    </message>
    <message>
        <source>Posession</source>
        <translation>Balbezit</translation>
    </message>
    <message>
        <source>Long ball</source>
        <translation>Lange bal</translation>
    </message>
    <message>
        <source>Wing play</source>
        <translation>Vleugelspel</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Niet ingesteld</translation>
    </message>
    <message>
        <source>3-5-2 Attacking</source>
        <translation>3-5-2 Aanvallend</translation>
    </message>
    <message>
        <source>3-5-2 Defensive</source>
        <translation>3-5-2 Verdedigend</translation>
    </message>
    <message>
        <source>3-5-2 Neutral</source>
        <translation>3-5-2 Neutraal</translation>
    </message>
    <message>
        <source>4-3-3 Neutral</source>
        <translation>4-3-3 Neutraal</translation>
    </message>
    <message>
        <source>4-3-3 Defensive</source>
        <translation>4-3-3 Verdedigend</translation>
    </message>
    <message>
        <source>4-3-3 Attacking</source>
        <translation>4-3-3 Aanvallend</translation>
    </message>
    <message>
        <source>4-4-2 Neutral</source>
        <translation>4-4-2 Neutraal</translation>
    </message>
    <message>
        <source>4-4-2 Defensive</source>
        <translation>4-4-2 Verdedigend</translation>
    </message>
    <message>
        <source>4-4-2 Attacking</source>
        <translation>4-4-2 Aanvallend</translation>
    </message>
    <message>
        <source>5-3-2 Neutral</source>
        <translation>5-3-2 Neutraal</translation>
    </message>
    <message>
        <source>5-3-2 Defensive</source>
        <translation>5-3-2 Verdedigend</translation>
    </message>
    <message>
        <source>5-3-2 Attacking</source>
        <translation>5-3-2 Aanvallend</translation>
    </message>
    <message>
        <source>5-2-3 Neutral</source>
        <translation>5-2-3 Neutraal</translation>
    </message>
    <message>
        <source>5-2-3 Defensive</source>
        <translation>5-2-3 Verdedigend</translation>
    </message>
    <message>
        <source>5-2-3 Attacking</source>
        <translation>5-2-3 Aanvallend</translation>
    </message>
    <message>
        <source>4-5-1 Neutral</source>
        <translation>4-5-1 Neutraal</translation>
    </message>
    <message>
        <source>4-1-2-1-2 Neutral</source>
        <translation>4-1-2-1-2 Neutraal</translation>
    </message>
    <message>
        <source>4-2-3-1 Neutral</source>
        <translation>4-2-3-1 Neutraal</translation>
    </message>
    <message>
        <source>4-3-1-2 Neutral</source>
        <translation>4-3-1-2 Neutraal</translation>
    </message>
    <message>
        <source>4-2-4 Neutral</source>
        <translation>4-2-4 Neutraal</translation>
    </message>
    <message>
        <source>4-4-1-1 Neutral</source>
        <translation>4-4-1-1 Neutraal</translation>
    </message>
    <message>
        <source>3-4-1-2 Neutral</source>
        <translation>3-4-1-2 Neutraal</translation>
    </message>
    <message>
        <source>3-6-1 Neutral</source>
        <translation>3-6-1 Neutraal</translation>
    </message>
    <message>
        <source>2-3-5 Neutral</source>
        <translation>2-3-5 Neutraal</translation>
    </message>
    <message>
        <source>5-4-1 Neutral</source>
        <translation>5-4-1 Neutraal</translation>
    </message>
    <message>
        <source>3-6-1 Attacking</source>
        <translation>3-6-1 Aanvallend</translation>
    </message>
    <message>
        <source>3-6-1 Defensive</source>
        <translation>3-6-1 Verdedigend</translation>
    </message>
    <message>
        <source>4-4-1-1 Attacking</source>
        <translation>4-4-1-1 Aanvallend</translation>
    </message>
    <message>
        <source>3-4-3 Attacking</source>
        <translation>3-4-3 Aanvallend</translation>
    </message>
    <message>
        <source>3-4-3 Defensive</source>
        <translation>3-4-3 Verdedigend</translation>
    </message>
    <message>
        <source>3-4-3 Neutral</source>
        <translation>3-4-3 Neutraal</translation>
    </message>
    <message>
        <source>2-3-5 Attacking</source>
        <translation>2-3-5 Aanvallend</translation>
    </message>
    <message>
        <source>2-3-5 Defensive</source>
        <translation>2-3-5 Verdedigend</translation>
    </message>
    <message>
        <source>3-4-1-2 Attacking</source>
        <translation>3-4-1-2 Aanvallend</translation>
    </message>
    <message>
        <source>3-4-1-2 Defensive</source>
        <translation>3-4-1-2 Verdedigend</translation>
    </message>
    <message>
        <source>4-1-2-1-2 Attacking</source>
        <translation>4-1-2-1-2 Aanvallend</translation>
    </message>
    <message>
        <source>4-1-2-1-2 Defensive</source>
        <translation>4-1-2-1-2 Verdedigend</translation>
    </message>
    <message>
        <source>4-2-3-1 Attacking</source>
        <translation>4-2-3-1 Aanvallend</translation>
    </message>
    <message>
        <source>4-2-3-1 Defensive</source>
        <translation>4-2-3-1 Verdedigend</translation>
    </message>
    <message>
        <source>4-2-4 Attacking</source>
        <translation>4-2-4 Aanvallend</translation>
    </message>
    <message>
        <source>4-2-4 Defensive</source>
        <translation>4-2-4 Verdedigend</translation>
    </message>
    <message>
        <source>4-3-1-2 Attacking</source>
        <translation>4-3-1-2 Aanvallend</translation>
    </message>
    <message>
        <source>4-3-1-2 Defensive</source>
        <translation>4-3-1-2 Verdedigend</translation>
    </message>
    <message>
        <source>4-4-1-1 Defensive</source>
        <translation>4-4-1-1 Verdedigend</translation>
    </message>
    <message>
        <source>4-5-1 Attacking</source>
        <translation>4-5-1 Aanvallend</translation>
    </message>
    <message>
        <source>4-5-1 Defensive</source>
        <translation>4-5-1 Verdedigend</translation>
    </message>
    <message>
        <source>5-4-1 Attacking</source>
        <translation>5-4-1 Aanvallend</translation>
    </message>
    <message>
        <source>5-4-1 Defensive</source>
        <translation>5-4-1 Verdedigend</translation>
    </message>
    <message>
        <source>GK</source>
        <extracomment>Positions on the pitch, abbreviated as on a team sheet (GK goalkeeper, SW sweeper, RB right back, CB centre back, DM/CM/AM defensive/central/attacking midfielder, WM wide midfielder, CF centre forward, ST striker, Sub substitute, Res reserve)</extracomment>
        <translation>KP</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>LI</translation>
    </message>
    <message>
        <source>RB</source>
        <translation>RB</translation>
    </message>
    <message>
        <source>RCB</source>
        <translation>RCV</translation>
    </message>
    <message>
        <source>CB</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>LCB</source>
        <translation>LCV</translation>
    </message>
    <message>
        <source>LB</source>
        <translation>LB</translation>
    </message>
    <message>
        <source>RDM</source>
        <translation>RVM</translation>
    </message>
    <message>
        <source>RCDM</source>
        <translation>RCVM</translation>
    </message>
    <message>
        <source>CDM</source>
        <translation>CVM</translation>
    </message>
    <message>
        <source>LCDM</source>
        <translation>LCVM</translation>
    </message>
    <message>
        <source>LDM</source>
        <translation>LVM</translation>
    </message>
    <message>
        <source>RWM</source>
        <translation>RBM</translation>
    </message>
    <message>
        <source>RM</source>
        <translation>RM</translation>
    </message>
    <message>
        <source>RCM</source>
        <translation>RCM</translation>
    </message>
    <message>
        <source>CM</source>
        <translation>CM</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>LCM</translation>
    </message>
    <message>
        <source>LM</source>
        <translation>LM</translation>
    </message>
    <message>
        <source>LWM</source>
        <translation>LBM</translation>
    </message>
    <message>
        <source>RAM</source>
        <translation>RAM</translation>
    </message>
    <message>
        <source>RCAM</source>
        <translation>RCAM</translation>
    </message>
    <message>
        <source>CAM</source>
        <translation>CAM</translation>
    </message>
    <message>
        <source>LCAM</source>
        <translation>LCAM</translation>
    </message>
    <message>
        <source>LAM</source>
        <translation>LAM</translation>
    </message>
    <message>
        <source>RCF</source>
        <translation>RCS</translation>
    </message>
    <message>
        <source>CF</source>
        <translation>CS</translation>
    </message>
    <message>
        <source>LCF</source>
        <translation>LCS</translation>
    </message>
    <message>
        <source>RS</source>
        <translation>RS</translation>
    </message>
    <message>
        <source>ST</source>
        <translation>SP</translation>
    </message>
    <message>
        <source>LS</source>
        <translation>LS</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Wis</translation>
    </message>
    <message>
        <source>Res</source>
        <translation>Res</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Bruin</translation>
    </message>
    <message>
        <source>Light Brown</source>
        <translation>Lichtbruin</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Blond</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
</context>
<context>
    <name>qira::league_page</name>
    <message>
        <source>Long Title</source>
        <translation>Lange naam</translation>
    </message>
    <message>
        <source>Short Title</source>
        <translation>Korte naam</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Apply league %1</source>
        <translation>Competitie %1 toepassen</translation>
    </message>
</context>
<context>
    <name>qira::merge_conflicts_window</name>
    <message>
        <source>left out</source>
        <translation>weggelaten</translation>
    </message>
    <message>
        <source>bits no field covers</source>
        <extracomment>What a conflict is about: bits of a row that no field of the table covers</extracomment>
        <translation>bits die geen veld dekt</translation>
    </message>
    <message>
        <source>the row</source>
        <translation>de rij</translation>
    </message>
    <message>
        <source>the table&apos;s rows</source>
        <translation>de rijen van de tabel</translation>
    </message>
    <message>
        <source>text</source>
        <extracomment>What a conflict is about: a text of the language file</extracomment>
        <translation>tekst</translation>
    </message>
    <message>
        <source>1 place where A (%1) and B (%2) disagree. Choose the side each takes, or leave it out; the merged changes are shown for review next.</source>
        <extracomment>%1 and %2: the names of the two patches merged</extracomment>
        <translation>1 plek waar A (%1) en B (%2) verschillen. Kies de kant die geldt, of laat de plek weg; daarna worden de samengevoegde wijzigingen getoond om na te kijken.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln places where A (%1) and B (%2) disagree. Choose the side each takes, or leave it out; the merged changes are shown for review next.</source>
        <translation>
            <numerusform>%Ln plek waar A (%1) en B (%2) verschillen. Kies de kant die geldt, of laat de plek weg; daarna worden de samengevoegde wijzigingen getoond om na te kijken.</numerusform>
            <numerusform>%Ln plekken waar A (%1) en B (%2) verschillen. Kies per plek de kant die geldt, of laat hem weg; daarna worden de samengevoegde wijzigingen getoond om na te kijken.</numerusform>
        </translation>
    </message>
    <message>
        <source>What the conflicts are</source>
        <translation>Wat de conflicten zijn</translation>
    </message>
    <message>
        <source>Conflicts of the two patches</source>
        <translation>Conflicten van de twee patches</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>Column headers: the row, the field, its value before both patches, the value of patch A and of patch B, and the side taken</extracomment>
        <translation>Rij</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Keuze</translation>
    </message>
    <message>
        <source>%1 on the selected lines (%2)</source>
        <extracomment>%1: the command (Take A, Take B, Leave out); %2: its keys</extracomment>
        <translation>%1 voor de geselecteerde regels (%2)</translation>
    </message>
    <message>
        <source>Take A</source>
        <translation>A kiezen</translation>
    </message>
    <message>
        <source>Take B</source>
        <translation>B kiezen</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Weglaten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Merge with these choices and review the changes</source>
        <translation>Samenvoegen met deze keuzes en de wijzigingen nakijken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>qira::message_sink</name>
    <message>
        <source>Fatal Error</source>
        <translation>Fatale fout</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
</context>
<context>
    <name>qira::patch</name>
    <message>
        <source>the patch removes it twice</source>
        <translation>de patch verwijdert dit twee keer</translation>
    </message>
    <message>
        <source>the patch lists it twice</source>
        <translation>de patch vermeldt dit twee keer</translation>
    </message>
    <message>
        <source>already there, patch adds it</source>
        <translation>al aanwezig, de patch voegt dit toe</translation>
    </message>
    <message>
        <source>the database has %1 tables, the patch changes table %2</source>
        <translation>de database heeft %1 tabellen, de patch wijzigt tabel %2</translation>
    </message>
    <message>
        <source>table %1 is %2, the patch is for %3</source>
        <translation>tabel %1 is %2, de patch is voor %3</translation>
    </message>
    <message>
        <source>table %1 has other fields than the patch&apos;s %2</source>
        <translation>tabel %1 heeft andere velden dan %2 van de patch</translation>
    </message>
    <message>
        <source>table %1 field %2 is %3, the patch&apos;s is %4</source>
        <translation>tabel %1 veld %2 is %3, dat van de patch is %4</translation>
    </message>
    <message>
        <source>%1 (removed by the patch) it has %2 values, the patch&apos;s row %3</source>
        <translation>%1 (verwijderd door de patch) heeft %2 waarden, de rij van de patch %3</translation>
    </message>
    <message>
        <source>%1 (removed by the patch) field %2: holds %3, patch expects %4</source>
        <translation>%1 (verwijderd door de patch) veld %2: bevat %3, de patch verwacht %4</translation>
    </message>
    <message>
        <source>%1 (removed by the patch) the bits no field covers are not what the patch expects</source>
        <translation>%1 (verwijderd door de patch) de bits die geen veld dekt, zijn niet wat de patch verwacht</translation>
    </message>
    <message>
        <source>%1 (%2): &quot;stored&quot; holds %3 word, the table&apos;s rows need %4</source>
        <translation>%1 (%2): &quot;stored&quot; bevat %3 woord, de rijen van de tabel hebben er %4 nodig</translation>
    </message>
    <message>
        <source>%1 (%2): &quot;stored&quot; holds %3 words, the table&apos;s rows need %4</source>
        <translation>%1 (%2): &quot;stored&quot; bevat %3 woorden, de rijen van de tabel hebben er %4 nodig</translation>
    </message>
    <message>
        <source>%1 (added by the patch) field %2: %3</source>
        <translation>%1 (toegevoegd door de patch) veld %2: %3</translation>
    </message>
    <message>
        <source>removed by the patch</source>
        <translation>verwijderd door de patch</translation>
    </message>
    <message>
        <source>missing, patch removes it</source>
        <translation>ontbreekt, de patch verwijdert dit</translation>
    </message>
    <message>
        <source>the patch changes field %1, which is no extra, text or value of the table</source>
        <translation>de patch wijzigt veld %1, dat geen extra, tekst of waarde van de tabel is</translation>
    </message>
    <message>
        <source>the patch changes field %1 twice</source>
        <translation>de patch wijzigt veld %1 twee keer</translation>
    </message>
    <message>
        <source>holds %1, patch expects %2</source>
        <translation>bevat %1, de patch verwacht %2</translation>
    </message>
    <message>
        <source>missing, patch changes it</source>
        <translation>ontbreekt, de patch wijzigt dit</translation>
    </message>
    <message>
        <source>changed by the patch</source>
        <translation>gewijzigd door de patch</translation>
    </message>
    <message>
        <source>the bits no field covers are not what the patch expects</source>
        <translation>de bits die geen veld dekt, zijn niet wat de patch verwacht</translation>
    </message>
    <message>
        <source>the row it follows (%1) is missing</source>
        <translation>de voorgaande rij (%1) ontbreekt</translation>
    </message>
    <message>
        <source>the added row has %1 values, the table %2</source>
        <translation>de toegevoegde rij heeft %1 waarden, de tabel %2</translation>
    </message>
    <message>
        <source>added by the patch</source>
        <translation>toegevoegd door de patch</translation>
    </message>
    <message>
        <source>%1 would hold %2 rows (%3 row words); at most %4 rows and %5 row words are allowed</source>
        <translation>%1 zou %2 rijen bevatten (%3 rijwoorden); er zijn hoogstens %4 rijen en %5 rijwoorden toegestaan</translation>
    </message>
    <message>
        <source>%1 holds %2 rows, patch expects %3</source>
        <translation>%1 bevat %2 rijen, de patch verwacht er %3</translation>
    </message>
    <message>
        <source>language entry %1: missing, patch removes it</source>
        <translation>item %1 van het taalbestand: ontbreekt, de patch verwijdert dit</translation>
    </message>
    <message>
        <source>language entry %1: holds %2, patch expects %3</source>
        <translation>item %1 van het taalbestand: bevat %2, de patch verwacht %3</translation>
    </message>
    <message>
        <source>language entry %1: missing, patch changes it</source>
        <translation>item %1 van het taalbestand: ontbreekt, de patch wijzigt dit</translation>
    </message>
    <message>
        <source>language entry %1: the patch lists it twice</source>
        <translation>item %1 van het taalbestand: de patch vermeldt dit twee keer</translation>
    </message>
    <message>
        <source>language entry %1, which the added entry %2 follows, is missing</source>
        <translation>item %1 van het taalbestand, waarop het toegevoegde item %2 volgt, ontbreekt</translation>
    </message>
    <message>
        <source>language entry %1: already there, patch adds it</source>
        <translation>item %1 van het taalbestand: al aanwezig, de patch voegt dit toe</translation>
    </message>
    <message>
        <source>the language file would hold %1 entries; at most %2 are allowed</source>
        <translation>het taalbestand zou %1 items bevatten; er zijn hoogstens %2 toegestaan</translation>
    </message>
    <message>
        <source>the patch changes language entries, and no language file is given</source>
        <translation>de patch wijzigt items van het taalbestand, maar er is geen taalbestand opgegeven</translation>
    </message>
    <message>
        <source>the first has %1 tables, the second %2</source>
        <translation>de eerste heeft %1 tabellen, de tweede %2</translation>
    </message>
    <message>
        <source>table %1 is %2 in the first, %3 in the second</source>
        <translation>tabel %1 is %2 in de eerste, %3 in de tweede</translation>
    </message>
    <message>
        <source>table %1 %2 has other kinds of fields in the two</source>
        <translation>de soorten velden van tabel %1 %2 verschillen tussen de twee</translation>
    </message>
    <message>
        <source>table %1 field %2 is %3 in the first, %4 in the second</source>
        <translation>tabel %1 veld %2 is %3 in de eerste, %4 in de tweede</translation>
    </message>
    <message>
        <source>table %1 field %2 is %3 bits wide in the first, %4 in the second</source>
        <translation>tabel %1 veld %2 is %3 bits breed in de eerste, %4 in de tweede</translation>
    </message>
    <message>
        <source>table %1 has %2 words per row in the first, %3 in the second</source>
        <translation>tabel %1 heeft %2 woorden per rij in de eerste, %3 in de tweede</translation>
    </message>
    <message>
        <source>table %1 is %2 in the first patch, %3 in the second</source>
        <translation>tabel %1 is %2 in de eerste patch, %3 in de tweede</translation>
    </message>
    <message>
        <source>table %1 %2 has other fields in the two patches</source>
        <translation>de velden van tabel %1 %2 verschillen tussen de twee patches</translation>
    </message>
    <message>
        <source>table %1 %2 has %3 rows before in the first patch, %4 in the second: they were made on different games</source>
        <translation>tabel %1 %2 heeft vooraf %3 rijen in de eerste patch, %4 in de tweede: ze zijn op verschillende spellen gemaakt</translation>
    </message>
    <message>
        <source>the base game and game %1 cannot be compared: %2</source>
        <translation>het basisspel en spel %1 kunnen niet worden vergeleken: %2</translation>
    </message>
    <message>
        <source>the merged changes do not apply to the base game: %1</source>
        <translation>de samengevoegde wijzigingen kunnen niet op het basisspel worden toegepast: %1</translation>
    </message>
</context>
<context>
    <name>qira::patch_commands</name>
    <message>
        <source>%1 does not apply to this game: 1 conflict. Nothing was changed.

%2</source>
        <extracomment>%1: the patch&apos;s name; %2: the conflict, on its own line</extracomment>
        <translation>%1 kan niet op dit spel worden toegepast: 1 conflict. Er is niets gewijzigd.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%1 does not apply to this game: %Ln conflicts. Nothing was changed.

%2</source>
        <extracomment>%1: the patch&apos;s name; %Ln: how many conflicts (two or more); %2: the conflicts, one a line</extracomment>
        <translation>
            <numerusform>%1 kan niet op dit spel worden toegepast: %Ln conflict. Er is niets gewijzigd.

%2</numerusform>
            <numerusform>%1 kan niet op dit spel worden toegepast: %Ln conflicten. Er is niets gewijzigd.

%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Save changes as patch</source>
        <translation>Wijzigingen als patch opslaan</translation>
    </message>
    <message>
        <source>Apply patch</source>
        <translation>Patch toepassen</translation>
    </message>
    <message>
        <source>Patches (*.json);;All files (*)</source>
        <extracomment>File dialog filters: the parts in brackets stay as they are</extracomment>
        <translation>Patches (*.json);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Compare with another game</source>
        <translation>Vergelijken met een ander spel</translation>
    </message>
    <message>
        <source>Game database (qira.db);;All files (*)</source>
        <extracomment>File dialog filters: the parts in brackets stay as they are</extracomment>
        <translation>Database van het spel (qira.db);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The files could not be read again after they were opened, so there is nothing to compare the changes with.</source>
        <translation>De bestanden konden na het openen niet opnieuw worden gelezen, dus er is niets om de wijzigingen mee te vergelijken.</translation>
    </message>
    <message>
        <source>Comparing the game with its files as opened...</source>
        <translation>Het spel wordt vergeleken met de bestanden zoals ze zijn geopend...</translation>
    </message>
    <message>
        <source>Nothing was changed since the files were opened: there is no patch to write.</source>
        <translation>Er is niets gewijzigd sinds de bestanden zijn geopend: er valt geen patch te schrijven.</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <extracomment>Progress; %1: the patch file&apos;s name</extracomment>
        <translation>%1 wordt geschreven...</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Title of the message box of a save that failed</extracomment>
        <translation>Fout</translation>
    </message>
    <message numerus="yes">
        <source>A patch of %Ln changes was written to %1.</source>
        <extracomment>%Ln: how many changes; %1: the patch file&apos;s name</extracomment>
        <translation>
            <numerusform>Een patch met %Ln wijziging is geschreven naar %1.</numerusform>
            <numerusform>Een patch met %Ln wijzigingen is geschreven naar %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <extracomment>Progress; %1: the patch file&apos;s name</extracomment>
        <translation>%1 wordt gelezen...</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The two patch files merged, named in other messages; %1, %2: their file names</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Merging %1...</source>
        <extracomment>Progress; %1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>%1 worden samengevoegd...</translation>
    </message>
    <message>
        <source>Merged from %1: no conflicts.</source>
        <extracomment>%1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>Samengevoegd uit %1: geen conflicten.</translation>
    </message>
    <message>
        <source>Conflicts of %1</source>
        <extracomment>Window title; %1: the two patch files</extracomment>
        <translation>Conflicten van %1</translation>
    </message>
    <message>
        <source>%1 were not merged; nothing was changed.</source>
        <extracomment>%1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>%1 zijn niet samengevoegd; er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Merged from %1: 1 conflict decided (a: %2, b: %3, left out: %4).</source>
        <extracomment>%1: the two patch files; %2, %3, %4: how many conflicts took side a, took side b, were left out</extracomment>
        <translation>Samengevoegd uit %1: 1 conflict beslist (a: %2, b: %3, weggelaten: %4).</translation>
    </message>
    <message numerus="yes">
        <source>Merged from %1: %Ln conflicts decided (a: %2, b: %3, left out: %4).</source>
        <extracomment>%1: the two patch files; %Ln: how many conflicts (two or more); %2, %3, %4: how many took side a, took side b, were left out</extracomment>
        <translation>
            <numerusform>Samengevoegd uit %1: %Ln conflict beslist (a: %2, b: %3, weggelaten: %4).</numerusform>
            <numerusform>Samengevoegd uit %1: %Ln conflicten beslist (a: %2, b: %3, weggelaten: %4).</numerusform>
        </translation>
    </message>
    <message>
        <source>merge patches %1</source>
        <extracomment>Undo step; %1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>patches %1 samenvoegen</translation>
    </message>
    <message>
        <source>Merge patches %1</source>
        <extracomment>Window title; %1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>Patches %1 samenvoegen</translation>
    </message>
    <message>
        <source>%1 has no language file %2 beside it, so the language entries are not compared.</source>
        <extracomment>%1: the other game&apos;s database; %2: the language file&apos;s name</extracomment>
        <translation>Naast %1 staat geen taalbestand %2, dus de teksten van het taalbestand worden niet vergeleken.</translation>
    </message>
    <message>
        <source>Reading and comparing %1...</source>
        <extracomment>Progress; %1: the other game&apos;s database</extracomment>
        <translation>%1 wordt gelezen en vergeleken...</translation>
    </message>
    <message>
        <source>The open game and %1 hold the same.</source>
        <extracomment>%1: the other game&apos;s database</extracomment>
        <translation>Het geopende spel en %1 bevatten hetzelfde.</translation>
    </message>
    <message>
        <source>Differences from the open game to %1: tick what to take over.</source>
        <extracomment>%1: the other game&apos;s database</extracomment>
        <translation>Verschillen tussen het geopende spel en %1: vink aan wat je wilt overnemen.</translation>
    </message>
    <message>
        <source>take over from %1</source>
        <extracomment>Undo step; %1: the other game&apos;s database</extracomment>
        <translation>overnemen uit %1</translation>
    </message>
    <message>
        <source>Compare with %1</source>
        <extracomment>Window title; %1: the other game&apos;s database</extracomment>
        <translation>Vergelijken met %1</translation>
    </message>
    <message>
        <source>%1 holds no changes.</source>
        <extracomment>%1: the patch (or the game compared with)</extracomment>
        <translation>%1 bevat geen wijzigingen.</translation>
    </message>
    <message>
        <source>Review patch %1</source>
        <extracomment>Window title; %1: the patch file&apos;s name</extracomment>
        <translation>Patch %1 nakijken</translation>
    </message>
    <message>
        <source>%1 was not applied; nothing was changed.</source>
        <extracomment>%1: the patch (or the game compared with)</extracomment>
        <translation>%1 is niet toegepast; er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>%1: the selected changes change nothing in this game.</source>
        <extracomment>%1: the patch (or the game compared with)</extracomment>
        <translation>%1: de gekozen wijzigingen veranderen niets aan dit spel.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 changes applied; Undo takes them back.</source>
        <extracomment>%1: the patch (or the game compared with); %2 of %3: the changes ticked of all changes</extracomment>
        <translation>%1: %2 van %3 wijzigingen toegepast; met Ongedaan maken draai je ze terug.</translation>
    </message>
    <message>
        <source>apply patch %1</source>
        <extracomment>Undo step; %1: the patch file&apos;s name</extracomment>
        <translation>patch %1 toepassen</translation>
    </message>
    <message>
        <source>No patch can be made: %1</source>
        <extracomment>%1: why not</extracomment>
        <translation>Er kan geen patch worden gemaakt: %1</translation>
    </message>
    <message>
        <source>%1 cannot be merged: %2. Nothing was changed.</source>
        <extracomment>%1: the two patch files; %2: why not</extracomment>
        <translation>%1 kunnen niet worden samengevoegd: %2. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>The open game cannot be compared with %1: %2. Nothing was changed.</source>
        <extracomment>%1: the other game&apos;s database; %2: why not</extracomment>
        <translation>Het geopende spel kan niet worden vergeleken met %1: %2. Er is niets gewijzigd.</translation>
    </message>
</context>
<context>
    <name>qira::patch_review_model</name>
    <message>
        <source>1 conflict</source>
        <translation>1 conflict</translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts</source>
        <translation>
            <numerusform>%Ln conflict</numerusform>
            <numerusform>%Ln conflicten</numerusform>
        </translation>
    </message>
    <message>
        <source>field %1</source>
        <extracomment>%1: the name of a field of a row the patch changes</extracomment>
        <translation>veld %1</translation>
    </message>
    <message>
        <source>Conflict: %1</source>
        <extracomment>%1: why the change conflicts with the game</extracomment>
        <translation>Conflict: %1</translation>
    </message>
    <message>
        <source>1 conflict beneath</source>
        <translation>1 conflict hieronder</translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts beneath</source>
        <translation>
            <numerusform>%Ln conflict hieronder</numerusform>
            <numerusform>%Ln conflicten hieronder</numerusform>
        </translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Column header: the table, row or field a patch changes</extracomment>
        <translation>Wijziging</translation>
    </message>
    <message>
        <source>Patch expects</source>
        <translation>Patch verwacht</translation>
    </message>
    <message>
        <source>Game holds</source>
        <translation>Spel bevat</translation>
    </message>
    <message>
        <source>Will be</source>
        <translation>Wordt</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Conflict</translation>
    </message>
</context>
<context>
    <name>qira::patch_review_window</name>
    <message>
        <source>1 change</source>
        <translation>1 wijziging</translation>
    </message>
    <message numerus="yes">
        <source>%Ln changes</source>
        <translation>
            <numerusform>%Ln wijziging</numerusform>
            <numerusform>%Ln wijzigingen</numerusform>
        </translation>
    </message>
    <message>
        <source>1 conflict</source>
        <translation>1 conflict</translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts</source>
        <translation>
            <numerusform>%Ln conflict</numerusform>
            <numerusform>%Ln conflicten</numerusform>
        </translation>
    </message>
    <message>
        <source>Where these changes come from</source>
        <translation>Waar deze wijzigingen vandaan komen</translation>
    </message>
    <message>
        <source>... and %L1 more</source>
        <translation>... en nog %L1</translation>
    </message>
    <message>
        <source>No change of this patch can be applied to this game:
%1</source>
        <extracomment>%1: the problems, one a line</extracomment>
        <translation>Geen enkele wijziging van deze patch kan op dit spel worden toegepast:
%1</translation>
    </message>
    <message>
        <source>Problems of the whole patch</source>
        <translation>Problemen van de hele patch</translation>
    </message>
    <message>
        <source>A table, a name, a field or a value (Ctrl+F)</source>
        <translation>Een tabel, een naam, een veld of een waarde (Ctrl+F)</translation>
    </message>
    <message>
        <source>Find in the changes</source>
        <translation>Zoeken in de wijzigingen</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Zoeken:</translation>
    </message>
    <message>
        <source>Changes of the patch</source>
        <translation>Wijzigingen van de patch</translation>
    </message>
    <message>
        <source>Review summary</source>
        <translation>Samenvatting</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Tick every change that does not conflict</source>
        <translation>Vink elke wijziging aan die geen conflict geeft</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Niets selecteren</translation>
    </message>
    <message>
        <source>Apply selected</source>
        <translation>Selectie toepassen</translation>
    </message>
    <message>
        <source>Apply the ticked changes as one step of Undo</source>
        <translation>Pas de aangevinkte wijzigingen toe als één stap van Ongedaan maken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Tick</source>
        <extracomment>Context menu: tick the check box of the change (choose it to be applied)</extracomment>
        <translation>Aanvinken</translation>
    </message>
    <message>
        <source>Untick</source>
        <translation>Uitvinken</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>%1, %2, %L3 selected; %L4 of %L5 rows shown</source>
        <extracomment>%1: &quot;40 changes&quot;; %2: &quot;1 conflict&quot;; %3: how many changes are ticked; %4 of %5: the rows the find shows of all rows</extracomment>
        <translation>%1, %2, %L3 geselecteerd; %L4 van %L5 rijen getoond</translation>
    </message>
    <message>
        <source>%1, %2, %L3 selected</source>
        <extracomment>%1: &quot;40 changes&quot;; %2: &quot;1 conflict&quot;; %3: how many are ticked</extracomment>
        <translation>%1, %2, %L3 geselecteerd</translation>
    </message>
</context>
<context>
    <name>qira::player_names_dialog</name>
    <message>
        <source>&amp;First name</source>
        <translation>&amp;Voornaam</translation>
    </message>
    <message>
        <source>&amp;Pseudonym</source>
        <translation>&amp;Pseudoniem</translation>
    </message>
    <message>
        <source>&amp;Surname</source>
        <translation>&amp;Achternaam</translation>
    </message>
    <message>
        <source>No new player: %1</source>
        <extracomment>%1: why no new player can be made</extracomment>
        <translation>Geen nieuwe speler: %1</translation>
    </message>
    <message>
        <source>New player</source>
        <translation>Nieuwe speler</translation>
    </message>
</context>
<context>
    <name>qira::player_page</name>
    <message>
        <source>Name</source>
        <translation>Voornaam</translation>
    </message>
    <message>
        <source>Pseudonym</source>
        <translation>Pseudoniem</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Achternaam</translation>
    </message>
    <message>
        <source>Preferred position</source>
        <translation>Voorkeurspositie</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Lengte</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Hair color</source>
        <translation>Haarkleur</translation>
    </message>
    <message>
        <source>Boots color</source>
        <translation>Kleur schoenen</translation>
    </message>
    <message>
        <source>Star Player</source>
        <translation>Sterspeler</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Conditie</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passen</translation>
    </message>
    <message>
        <source>Tackling</source>
        <translation>Tackelen</translation>
    </message>
    <message>
        <source>Ball Control</source>
        <translation>Balbeheersing</translation>
    </message>
    <message>
        <source>Shot Accuraty</source>
        <translation>Trefzekerheid</translation>
    </message>
    <message>
        <source>Talent</source>
        <translation>Talent</translation>
    </message>
    <message>
        <source>Player ID:</source>
        <translation>Speler-ID:</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Edit Team</source>
        <translation>&lt;&lt;&lt; Team bewerken</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>New player...</source>
        <translation>Nieuwe speler...</translation>
    </message>
    <message>
        <source>A copy of this player with the next free id and new names</source>
        <translation>Een kopie van deze speler met het volgende vrije id en nieuwe namen</translation>
    </message>
    <message>
        <source>Delete player</source>
        <translation>Speler verwijderen</translation>
    </message>
    <message>
        <source>This player&apos;s row and his memberships of teams</source>
        <translation>De rij van deze speler en zijn lidmaatschappen van teams</translation>
    </message>
    <message>
        <source>Player status</source>
        <translation>Status van speler</translation>
    </message>
    <message>
        <source>Player ID</source>
        <translation>Speler-ID</translation>
    </message>
    <message>
        <source>*Hair color may not match when special face is used for player</source>
        <translation>*Haarkleur kan afwijken als de speler een speciaal gezicht heeft</translation>
    </message>
    <message>
        <source>Apply player %1</source>
        <translation>Speler %1 toepassen</translation>
    </message>
    <message>
        <source>Show the player to copy first.</source>
        <translation>Toon eerst de speler die je wilt kopiëren.</translation>
    </message>
    <message>
        <source>new player %1</source>
        <translation>nieuwe speler %1</translation>
    </message>
    <message>
        <source>New player %1 (id %2) in %3.</source>
        <extracomment>%1: the player&apos;s name; %2: his id; %3: the team</extracomment>
        <translation>Nieuwe speler %1 (id %2) bij %3.</translation>
    </message>
    <message>
        <source>New player %1 (id %2), without a team.</source>
        <translation>Nieuwe speler %1 (id %2), zonder team.</translation>
    </message>
    <message>
        <source>Show the player to delete first.</source>
        <translation>Toon eerst de speler die je wilt verwijderen.</translation>
    </message>
    <message>
        <source>delete player %1</source>
        <translation>speler %1 verwijderen</translation>
    </message>
    <message>
        <source>Deleted %1 and his membership of a team.</source>
        <translation>%1 en zijn lidmaatschap van een team verwijderd.</translation>
    </message>
    <message numerus="yes">
        <source>Deleted %1 and his %Ln memberships of teams.</source>
        <translation>
            <numerusform>%1 en zijn %Ln lidmaatschap van teams verwijderd.</numerusform>
            <numerusform>%1 en zijn %Ln lidmaatschappen van teams verwijderd.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was not deleted: %2</source>
        <extracomment>%1: the player; %2: why not</extracomment>
        <translation>%1 is niet verwijderd: %2</translation>
    </message>
</context>
<context>
    <name>qira::problem</name>
    <message>
        <source>the file is read-only</source>
        <translation>het bestand is alleen-lezen</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>its old content could not be kept while the files are replaced (%1)</source>
        <translation>de oude inhoud kon niet worden bewaard tijdens het vervangen van de bestanden (%1)</translation>
    </message>
    <message>
        <source>the new file is in place, but its folder could not be synced to the disk (%1)</source>
        <translation>het nieuwe bestand staat op zijn plaats, maar de map kon niet met de schijf worden gesynchroniseerd (%1)</translation>
    </message>
    <message>
        <source>the new files are in place, but its folder could not be synced to the disk (%1)</source>
        <translation>de nieuwe bestanden staan op hun plaats, maar de map kon niet met de schijf worden gesynchroniseerd (%1)</translation>
    </message>
    <message>
        <source>%1. %2 had already been replaced and was put back</source>
        <translation>%1. %2 was al vervangen en is teruggezet</translation>
    </message>
    <message>
        <source>%1. %2 had already been replaced and were put back</source>
        <translation>%1. %2 waren al vervangen en zijn teruggezet</translation>
    </message>
    <message>
        <source>Putting back %1 failed too (%2).</source>
        <translation>Ook het terugzetten van %1 is mislukt (%2).</translation>
    </message>
    <message>
        <source>The files do not belong together now:</source>
        <translation>De bestanden horen nu niet meer bij elkaar:</translation>
    </message>
    <message>
        <source>%1 is the old file</source>
        <translation>%1 is het oude bestand</translation>
    </message>
    <message>
        <source>%1 is the new file, and the old one is kept as %2</source>
        <translation>%1 is het nieuwe bestand en het oude is bewaard als %2</translation>
    </message>
    <message>
        <source>%1 is the new file (there was none before)</source>
        <translation>%1 is het nieuwe bestand (er was er eerst geen)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>het kan niet worden gelezen</translation>
    </message>
    <message>
        <source>it could not be read to its end</source>
        <translation>het kon niet tot het einde worden gelezen</translation>
    </message>
    <message>
        <source>%1. Nothing was saved: %2 are as they were.</source>
        <extracomment>%1 is why the save failed, %2 the files</extracomment>
        <translation>%1. Er is niets opgeslagen: %2 zijn ongewijzigd.</translation>
    </message>
    <message>
        <source>%1 is named for two of the files to save (%2): one would be written over the other.</source>
        <translation>%1 is opgegeven voor twee van de op te slaan bestanden (%2): het ene zou het andere overschrijven.</translation>
    </message>
    <message>
        <source>no such file or no access</source>
        <translation>het bestand bestaat niet of is niet toegankelijk</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>a list of names: %1 is one name or several separated by commas, %2 the last one</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>the file (%1) is too short for a language file&apos;s header</source>
        <translation>het bestand (%1) is te kort voor de header van een taalbestand</translation>
    </message>
    <message>
        <source>it holds %1 entries; at most %2 are allowed</source>
        <translation>het bevat %1 items; er zijn hoogstens %2 toegestaan</translation>
    </message>
    <message>
        <source>its directory of %1 entries runs past the end of the file (%2)</source>
        <translation>de index van %1 items loopt voorbij het einde van het bestand (%2)</translation>
    </message>
    <message>
        <source>the text of entry %1 (key %2, offset %3) runs past the end of the file (%4)</source>
        <translation>de tekst van item %1 (sleutel %2, offset %3) loopt voorbij het einde van het bestand (%4)</translation>
    </message>
    <message>
        <source>it would hold %1 entries; a language file holds at most %2</source>
        <translation>het zou %1 items bevatten; een taalbestand bevat er hoogstens %2</translation>
    </message>
    <message>
        <source>its texts exceed 2 GiB</source>
        <translation>de teksten zijn groter dan 2 GiB</translation>
    </message>
    <message>
        <source>the file (%1) is too short for its header</source>
        <translation>het bestand (%1) is te kort voor de header</translation>
    </message>
    <message>
        <source>it says it holds %1 tables; a database file holds 1 to %2</source>
        <translation>volgens de header bevat het %1 tabellen; een databasebestand bevat er 1 tot %2</translation>
    </message>
    <message>
        <source>the header of table %1 (offset %2) runs past the end of the file (%3)</source>
        <translation>de header van tabel %1 (offset %2) loopt voorbij het einde van het bestand (%3)</translation>
    </message>
    <message>
        <source>table %1 has %2 %3 fields; a table has 0 to %4</source>
        <extracomment>%3 is the kind of field (key, extra, text)</extracomment>
        <translation>tabel %1 heeft %2 velden van het soort %3; een tabel heeft er 0 tot %4</translation>
    </message>
    <message>
        <source>table %1 has %2 whole-word and %3 %4 fields; a table has at most %5 fields</source>
        <translation>tabel %1 heeft %2 velden van een heel woord en %3 velden van het soort %4; een tabel heeft hoogstens %5 velden</translation>
    </message>
    <message>
        <source>the field descriptors of table %1 (offset %2, %3 bytes) run past the end of the file (%4)</source>
        <translation>de velddescriptors van tabel %1 (offset %2, %3 bytes) lopen voorbij het einde van het bestand (%4)</translation>
    </message>
    <message>
        <source>table %1&apos;s block (offset %2, %3 bytes) ends before the next table&apos;s block begins; a block holds at least its 8-byte head</source>
        <translation>het blok van tabel %1 (offset %2, %3 bytes) eindigt voordat het blok van de volgende tabel begint; een blok bevat minstens zijn kop van 8 bytes</translation>
    </message>
    <message>
        <source>table %1&apos;s block (offset %2, %3 bytes) ends before the names region begins; a block holds at least its 8-byte head</source>
        <translation>het blok van tabel %1 (offset %2, %3 bytes) eindigt voordat het namengebied begint; een blok bevat minstens zijn kop van 8 bytes</translation>
    </message>
    <message>
        <source>table %1&apos;s block (offset %2, %3 bytes) runs past the end of the file (%4)</source>
        <translation>het blok van tabel %1 (offset %2, %3 bytes) loopt voorbij het einde van het bestand (%4)</translation>
    </message>
    <message>
        <source>table %1 has %2 rows; a table holds at most %3</source>
        <translation>tabel %1 heeft %2 rijen; een tabel bevat er hoogstens %3</translation>
    </message>
    <message>
        <source>table %1 has %2 rows of %3 words; a table holds at most %4 row words</source>
        <translation>tabel %1 heeft %2 rijen van %3 woorden; een tabel bevat hoogstens %4 rijwoorden</translation>
    </message>
    <message>
        <source>table %1&apos;s rows have %2 words, fewer than its %3 whole-word fields</source>
        <translation>de rijen van tabel %1 hebben %2 woorden, minder dan de %3 velden van een heel woord</translation>
    </message>
    <message>
        <source>the name of table %1 (offset %2) runs past the end of the file (%3)</source>
        <translation>de naam van tabel %1 (offset %2) loopt voorbij het einde van het bestand (%3)</translation>
    </message>
    <message>
        <source>the name of field %1 of table %2 (offset %3) runs past the end of the file (%4)</source>
        <translation>de naam van veld %1 van tabel %2 (offset %3) loopt voorbij het einde van het bestand (%4)</translation>
    </message>
    <message>
        <source>text %1 of row %2 in table %3 (offset %4) runs past the end of the file (%5 bytes)</source>
        <translation>tekst %1 van rij %2 in tabel %3 (offset %4) loopt voorbij het einde van het bestand (%5 bytes)</translation>
    </message>
    <message>
        <source>its directory of %1 blocks runs past the end of the file (%2)</source>
        <translation>de index van %1 blokken loopt voorbij het einde van het bestand (%2)</translation>
    </message>
    <message>
        <source>it has %1 tables; a database file holds 1 to %2</source>
        <translation>het bevat %1 tabellen; een databasebestand bevat er 1 tot %2</translation>
    </message>
    <message>
        <source>table %1 has %2 fields of one whole-word kind; at most %3 are allowed</source>
        <translation>tabel %1 heeft %2 velden van hetzelfde soort (heel woord); er zijn hoogstens %3 toegestaan</translation>
    </message>
    <message>
        <source>table %1 has %2 field descriptors for %3 fields (at most %4)</source>
        <translation>tabel %1 heeft %2 velddescriptors voor %3 velden (hoogstens %4)</translation>
    </message>
    <message>
        <source>table %1 has %2 row words; a table holds at most %3</source>
        <translation>tabel %1 heeft %2 rijwoorden; een tabel bevat er hoogstens %3</translation>
    </message>
    <message>
        <source>the file would exceed 2 GiB</source>
        <translation>het bestand zou groter worden dan 2 GiB</translation>
    </message>
    <message>
        <source>leagues</source>
        <translation>competities</translation>
    </message>
    <message>
        <source>league teams</source>
        <translation>competitieteams</translation>
    </message>
    <message>
        <source>players</source>
        <translation>spelers</translation>
    </message>
    <message>
        <source>stadiums</source>
        <translation>stadions</translation>
    </message>
    <message>
        <source>team settings</source>
        <translation>teaminstellingen</translation>
    </message>
    <message>
        <source>team players</source>
        <translation>teamspelers</translation>
    </message>
    <message>
        <source>teams</source>
        <translation>teams</translation>
    </message>
    <message>
        <source>table %1 (%2) is missing</source>
        <translation>tabel %1 (%2) ontbreekt</translation>
    </message>
    <message>
        <source>table %1 (%2) has %3 key fields, not %4</source>
        <translation>tabel %1 (%2) heeft %3 sleutelvelden, niet %4</translation>
    </message>
    <message>
        <source>table %1 (%2) has %3 texts per row, not %4</source>
        <translation>tabel %1 (%2) heeft %3 teksten per rij, niet %4</translation>
    </message>
    <message>
        <source>table %1 (%2) has %3 packed values per row, not %4</source>
        <translation>tabel %1 (%2) heeft %3 verpakte waarden per rij, niet %4</translation>
    </message>
    <message>
        <source>table %1 (%2) has no field &quot;%3&quot;</source>
        <translation>tabel %1 (%2) heeft geen veld &quot;%3&quot;</translation>
    </message>
    <message>
        <source>the member &quot;%1&quot; is missing</source>
        <translation>de eigenschap &quot;%1&quot; ontbreekt</translation>
    </message>
    <message>
        <source>expected null</source>
        <translation>null verwacht</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>true of false verwacht</translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation>een geheel getal verwacht</translation>
    </message>
    <message>
        <source>expected a number</source>
        <translation>een getal verwacht</translation>
    </message>
    <message>
        <source>expected a text</source>
        <translation>een tekst verwacht</translation>
    </message>
    <message>
        <source>expected an array</source>
        <translation>een array verwacht</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>een object verwacht</translation>
    </message>
    <message>
        <source>%1 is out of range (%2 to %3)</source>
        <translation>%1 valt buiten het bereik (%2 tot %3)</translation>
    </message>
    <message>
        <source>the document is not valid UTF-8</source>
        <translation>het document is geen geldige UTF-8</translation>
    </message>
    <message>
        <source>the document ends where a value should be</source>
        <translation>het document eindigt waar een waarde hoort te staan</translation>
    </message>
    <message>
        <source>nested deeper than a patch is</source>
        <translation>dieper genest dan een patch ooit is</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;}&apos;</source>
        <translation>&apos;,&apos; of &apos;}&apos; verwacht</translation>
    </message>
    <message>
        <source>expected a member name in quotes</source>
        <translation>een eigenschapsnaam tussen aanhalingstekens verwacht</translation>
    </message>
    <message>
        <source>an object with more members than a patch has</source>
        <translation>een object met meer eigenschappen dan een patch kent</translation>
    </message>
    <message>
        <source>the member &quot;%1&quot; appears twice</source>
        <translation>de eigenschap &quot;%1&quot; komt twee keer voor</translation>
    </message>
    <message>
        <source>expected &apos;:&apos;</source>
        <translation>&apos;:&apos; verwacht</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;]&apos;</source>
        <translation>&apos;,&apos; of &apos;]&apos; verwacht</translation>
    </message>
    <message>
        <source>a \u escape needs four hex digits</source>
        <translation>een \u-escapereeks heeft vier hexadecimale cijfers nodig</translation>
    </message>
    <message>
        <source>a text runs to the end of the document</source>
        <translation>een tekst loopt door tot het einde van het document</translation>
    </message>
    <message>
        <source>an unknown escape in a text</source>
        <translation>een onbekende escapereeks in een tekst</translation>
    </message>
    <message>
        <source>a high surrogate escape without its low half</source>
        <translation>een escapereeks voor een hoog surrogaat zonder de lage helft</translation>
    </message>
    <message>
        <source>a lone low surrogate escape other than \udc80 to \udcff</source>
        <translation>een losse escapereeks voor een laag surrogaat buiten \udc80 tot \udcff</translation>
    </message>
    <message>
        <source>a control character inside a text must be escaped</source>
        <translation>een stuurteken in een tekst moet als escapereeks worden geschreven</translation>
    </message>
    <message>
        <source>not a JSON value</source>
        <translation>geen JSON-waarde</translation>
    </message>
    <message>
        <source>a number with a leading zero</source>
        <translation>een getal met een voorloopnul</translation>
    </message>
    <message>
        <source>a number without digits after its point</source>
        <translation>een getal zonder cijfers na de decimale punt</translation>
    </message>
    <message>
        <source>a number without digits in its exponent</source>
        <translation>een getal zonder cijfers in de exponent</translation>
    </message>
    <message>
        <source>unexpected text after the document</source>
        <translation>onverwachte tekst na het document</translation>
    </message>
    <message>
        <source>expected an object or null</source>
        <translation>een object of null verwacht</translation>
    </message>
    <message>
        <source>more entries than a language file has</source>
        <translation>meer items dan een taalbestand kan bevatten</translation>
    </message>
    <message>
        <source>%1 is not &quot;%2&quot;</source>
        <translation>%1 is niet &quot;%2&quot;</translation>
    </message>
    <message>
        <source>version %1 is not known; this program reads version %2</source>
        <translation>versie %1 is onbekend; dit programma leest versie %2</translation>
    </message>
    <message>
        <source>expected %1 field names (as many as the kinds count, at most %2)</source>
        <translation>%1 veldnamen verwacht (zoveel als de aantallen per soort samen, hoogstens %2)</translation>
    </message>
    <message>
        <source>more rows than a table has</source>
        <translation>meer rijen dan een tabel kan bevatten</translation>
    </message>
    <message>
        <source>more fields than a table has</source>
        <translation>meer velden dan een tabel kan bevatten</translation>
    </message>
    <message>
        <source>more tables than a game has</source>
        <translation>meer tabellen dan een spel kan bevatten</translation>
    </message>
    <message>
        <source>the document cannot be read</source>
        <translation>het document kan niet worden gelezen</translation>
    </message>
    <message>
        <source>%1 does not fit in 32 bits</source>
        <translation>%1 past niet in 32 bits</translation>
    </message>
    <message>
        <source>expected %1 keys</source>
        <translation>%1 sleutels verwacht</translation>
    </message>
    <message>
        <source>more than %1 words</source>
        <translation>meer dan %1 woorden</translation>
    </message>
    <message>
        <source>expected %1 extras</source>
        <translation>%1 extra&apos;s verwacht</translation>
    </message>
    <message>
        <source>expected %1 texts</source>
        <translation>%1 teksten verwacht</translation>
    </message>
    <message>
        <source>expected %1 values</source>
        <translation>%1 waarden verwacht</translation>
    </message>
    <message>
        <source>field %1 is not named %2</source>
        <translation>veld %1 heet niet %2</translation>
    </message>
    <message>
        <source>the table has no field %1</source>
        <translation>de tabel heeft geen veld %1</translation>
    </message>
    <message>
        <source>the table has more than one field %1: give its field_index</source>
        <translation>de tabel heeft meer dan één veld %1: geef de field_index op</translation>
    </message>
    <message>
        <source>%1 is a key field: a changed key is a row removed and one added</source>
        <translation>%1 is een sleutelveld: een gewijzigde sleutel is een verwijderde en een toegevoegde rij</translation>
    </message>
    <message>
        <source>&quot;before&quot; and &quot;after&quot; are both needed</source>
        <translation>&quot;before&quot; en &quot;after&quot; zijn allebei nodig</translation>
    </message>
    <message>
        <source>more changes than fields</source>
        <translation>meer wijzigingen dan velden</translation>
    </message>
    <message>
        <source>expected as many words before as after</source>
        <translation>evenveel woorden voor als na de wijziging verwacht</translation>
    </message>
    <message>
        <source>names no file</source>
        <translation>noemt geen bestand</translation>
    </message>
</context>
<context>
    <name>qira::recovery_commands</name>
    <message>
        <source>Put aside</source>
        <extracomment>A choice of the question about the changes kept when the editor did not close normally</extracomment>
        <translation>Apart zetten</translation>
    </message>
    <message>
        <source>Decide at the next start</source>
        <extracomment>A choice of the question about the changes kept when the editor did not close normally</extracomment>
        <translation>Bij de volgende start beslissen</translation>
    </message>
    <message>
        <source>its lock cannot be taken</source>
        <extracomment>Why the file that keeps the unsaved changes cannot be written</extracomment>
        <translation>de vergrendeling ervan kan niet worden verkregen</translation>
    </message>
    <message>
        <source>%1 could not be renamed; it stays for the next start.</source>
        <extracomment>%1: the file that keeps the changes</extracomment>
        <translation>%1 kon niet worden hernoemd; het blijft staan voor de volgende start.</translation>
    </message>
    <message>
        <source>The kept changes were put aside as %1. &quot;Apply patch...&quot; can apply them to the game.</source>
        <extracomment>%1: the file the changes were put aside as</extracomment>
        <translation>De bewaarde wijzigingen zijn apart gezet als %1. Met &quot;Patch toepassen...&quot; kun je ze op het spel toepassen.</translation>
    </message>
    <message>
        <source>%1 has changed on disk since (or cannot be read): changes that no longer apply show as conflicts.</source>
        <extracomment>%1: a game file</extracomment>
        <translation>%1 is sindsdien op de schijf gewijzigd (of kan niet worden gelezen): wijzigingen die niet meer passen, worden als conflicten getoond.</translation>
    </message>
    <message>
        <source>The editor did not close normally. It kept 1 unsaved change to
%1

%2Open these files and apply the changes (one step of Undo), or put them aside?</source>
        <extracomment>%1: the game&apos;s files, one a line; %2: empty, or a paragraph about files changed on disk since (it ends in an empty line)</extracomment>
        <translation>De editor is niet normaal afgesloten. Hij heeft 1 niet-opgeslagen wijziging bewaard voor
%1

%2Deze bestanden openen en de wijzigingen toepassen (één stap van Ongedaan maken), of ze apart zetten?</translation>
    </message>
    <message numerus="yes">
        <source>The editor did not close normally. It kept %Ln unsaved changes to
%1

%2Open these files and apply the changes (one step of Undo), or put them aside?</source>
        <extracomment>%Ln: how many changes (two or more); %1: the game&apos;s files, one a line; %2: empty, or a paragraph about files changed on disk since (it ends in an empty line)</extracomment>
        <translation>
            <numerusform>De editor is niet normaal afgesloten. Hij heeft %Ln niet-opgeslagen wijziging bewaard voor
%1

%2Deze bestanden openen en de wijzigingen toepassen (één stap van Ongedaan maken), of ze apart zetten?</numerusform>
            <numerusform>De editor is niet normaal afgesloten. Hij heeft %Ln niet-opgeslagen wijzigingen bewaard voor
%1

%2Deze bestanden openen en de wijzigingen toepassen (één stap van Ongedaan maken), of ze apart zetten?</numerusform>
        </translation>
    </message>
    <message>
        <source>Open and apply</source>
        <translation>Openen en toepassen</translation>
    </message>
    <message>
        <source>These changes were kept by the editor when it did not close normally (%1), made to the files as they were opened or saved then.</source>
        <extracomment>%1: the file that kept the changes</extracomment>
        <translation>Deze wijzigingen heeft de editor bewaard toen hij niet normaal werd afgesloten (%1); ze zijn gemaakt aan de bestanden zoals die toen waren geopend of opgeslagen.</translation>
    </message>
    <message>
        <source>The kept changes stay in %1 for the next start.</source>
        <extracomment>%1: the file that keeps the changes</extracomment>
        <translation>De bewaarde wijzigingen blijven in %1 voor de volgende start.</translation>
    </message>
    <message>
        <source>The kept changes were put aside as %1.</source>
        <extracomment>%1: the file the changes were put aside as</extracomment>
        <translation>De bewaarde wijzigingen zijn apart gezet als %1.</translation>
    </message>
    <message>
        <source>The unsaved changes cannot be kept for recovery: %1</source>
        <extracomment>%1: why not</extracomment>
        <translation>De niet-opgeslagen wijzigingen kunnen niet worden bewaard voor herstel: %1</translation>
    </message>
</context>
<context>
    <name>qira::reference_delegate</name>
    <message>
        <source>Row %1, %2: not changed: %3</source>
        <extracomment>%1: the row&apos;s number; %2: the column; %3: why the typed text names no row</extracomment>
        <translation>Rij %1, %2: niet gewijzigd: %3</translation>
    </message>
</context>
<context>
    <name>qira::reference_picker</name>
    <message>
        <source>Row named: type a name or a number</source>
        <translation>Rij: typ een naam of een nummer</translation>
    </message>
    <message>
        <source>Rows the field may name</source>
        <translation>Rijen waarnaar het veld mag verwijzen</translation>
    </message>
    <message>
        <source>no row is called &apos;%1&apos;; type its name or a number</source>
        <translation>geen rij heet &apos;%1&apos;; typ de naam of een nummer</translation>
    </message>
    <message numerus="yes">
        <source>&apos;%1&apos; names %Ln rows; choose one from the list</source>
        <translation>
            <numerusform>&apos;%1&apos; past bij %Ln rij; kies er een uit de lijst</numerusform>
            <numerusform>&apos;%1&apos; past bij %Ln rijen; kies er een uit de lijst</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::registry_key</name>
    <message>
        <source>the value &quot;%1&quot; could not be stored</source>
        <extracomment>Why a setting was not saved; %1: the setting&apos;s name as the registry keeps it</extracomment>
        <translation>de waarde &quot;%1&quot; kon niet worden opgeslagen</translation>
    </message>
</context>
<context>
    <name>qira::result</name>
    <message>
        <source>%1 field %2: %3</source>
        <translation>%1 veld %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is what the problem is about (a row, a member of a document), %2 the problem</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>table %1 row %2 field %3: %4</source>
        <translation>tabel %1 rij %2 veld %3: %4</translation>
    </message>
    <message>
        <source>table %1 row %2: %3</source>
        <translation>tabel %1 rij %2: %3</translation>
    </message>
    <message>
        <source>table %1 field %2: %3</source>
        <translation>tabel %1 veld %2: %3</translation>
    </message>
    <message>
        <source>table %1: %2</source>
        <translation>tabel %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a valid patch: not valid JSON: line %2 column %3: %4</source>
        <translation>%1 is geen geldige patch: geen geldige JSON: regel %2 kolom %3: %4</translation>
    </message>
    <message>
        <source>%1 is not a valid patch: %2: %3</source>
        <translation>%1 is geen geldige patch: %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a valid patch: %2</source>
        <translation>%1 is geen geldige patch: %2</translation>
    </message>
    <message>
        <source>not valid JSON: line %1 column %2: %3</source>
        <translation>geen geldige JSON: regel %1 kolom %2: %3</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is a file, %2 why it could not be opened</extracomment>
        <translation>Kan %1 niet openen: %2</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Kan %1 niet lezen</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 is beschadigd: %2</translation>
    </message>
    <message>
        <source>%1 cannot be edited: %2</source>
        <translation>%1 kan niet worden bewerkt: %2</translation>
    </message>
    <message>
        <source>line %1 column %2: %3</source>
        <translation>regel %1 kolom %2: %3</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>%1 is a file, %2 why it could not be saved</extracomment>
        <translation>Kan %1 niet opslaan: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>regel %1, kolom %2: %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>%1 was not imported: %2; nothing was changed.</source>
        <translation>%1 is niet geïmporteerd: %2; er is niets gewijzigd.</translation>
    </message>
</context>
<context>
    <name>qira::roster_page</name>
    <message>
        <source>Jersey number</source>
        <translation>Rugnummer</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>The player &quot;%1&quot; could not be found; nothing was exchanged.</source>
        <translation>De speler &quot;%1&quot; is niet gevonden; er is niets geruild.</translation>
    </message>
    <message>
        <source>Team players</source>
        <translation>Selectie</translation>
    </message>
    <message>
        <source>&lt;-- Xchange --&gt;</source>
        <translation>&lt;-- Ruilen --&gt;</translation>
    </message>
    <message>
        <source>Exchange with</source>
        <translation>Ruilen met</translation>
    </message>
    <message>
        <source>Find in exchange tree</source>
        <translation>Zoeken in ruilboom</translation>
    </message>
    <message>
        <source>Sign</source>
        <extracomment>Button: the chosen player joins this team (signs a contract)</extracomment>
        <translation>Aantrekken</translation>
    </message>
    <message>
        <source>Move the player chosen in the exchange tree into this team</source>
        <translation>Verplaats de in de ruilboom gekozen speler naar dit team</translation>
    </message>
    <message>
        <source>Release</source>
        <extracomment>Button: the player leaves this team</extracomment>
        <translation>Vrijgeven</translation>
    </message>
    <message>
        <source>Move the selected player into the team chosen in the exchange tree, or out of any team</source>
        <translation>Verplaats de geselecteerde speler naar het in de ruilboom gekozen team, of naar geen enkel team</translation>
    </message>
    <message>
        <source>Sign free player...</source>
        <translation>Vrije speler...</translation>
    </message>
    <message>
        <source>Choose a player without a team to join this team</source>
        <translation>Kies een speler zonder team die naar dit team komt</translation>
    </message>
    <message>
        <source>New player...</source>
        <translation>Nieuwe speler...</translation>
    </message>
    <message>
        <source>A copy of the selected player with new names, in this team</source>
        <translation>Een kopie van de geselecteerde speler met nieuwe namen, in dit team</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Edit team</source>
        <translation>&lt;&lt;&lt; Team bewerken</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>&lt;-- double click on player for quick edit</source>
        <translation>&lt;-- dubbelklik op een speler om snel te bewerken</translation>
    </message>
    <message>
        <source>Invalid index</source>
        <translation>Ongeldige index</translation>
    </message>
    <message>
        <source>exchange %1 and %2</source>
        <translation>%1 en %2 ruilen</translation>
    </message>
    <message>
        <source>No team is shown.</source>
        <translation>Er wordt geen team getoond.</translation>
    </message>
    <message>
        <source>Choose the player to sign in the exchange tree.</source>
        <translation>Kies in de ruilboom de speler die je wilt aantrekken.</translation>
    </message>
    <message>
        <source>sign %1</source>
        <translation>%1 aantrekken</translation>
    </message>
    <message>
        <source>%1 was not signed</source>
        <translation>%1 is niet aangetrokken</translation>
    </message>
    <message>
        <source>Choose the player to release in the roster.</source>
        <translation>Kies in de selectie de speler die je wilt vrijgeven.</translation>
    </message>
    <message>
        <source>release %1 to %2</source>
        <translation>%1 vrijgeven aan %2</translation>
    </message>
    <message>
        <source>release %1</source>
        <translation>%1 vrijgeven</translation>
    </message>
    <message>
        <source>%1 was not released</source>
        <translation>%1 is niet vrijgegeven</translation>
    </message>
    <message>
        <source>Every player is in a team.</source>
        <translation>Elke speler zit in een team.</translation>
    </message>
    <message>
        <source>Choose the player to copy in the roster.</source>
        <translation>Kies in de selectie de speler die je wilt kopiëren.</translation>
    </message>
    <message>
        <source>new player %1</source>
        <translation>nieuwe speler %1</translation>
    </message>
    <message>
        <source>No new player</source>
        <translation>Geen nieuwe speler</translation>
    </message>
</context>
<context>
    <name>qira::table_model</name>
    <message>
        <source>edit %1 %2</source>
        <translation>%1 %2 bewerken</translation>
    </message>
    <message>
        <source>%1: %2, %3 bits (descriptor words %4 and %5)</source>
        <extracomment>%1: the field; %2: what part of the row it is; %3 to %5: where it is stored</extracomment>
        <translation>%1: %2, %3 bits (descriptorwoorden %4 en %5)</translation>
    </message>
    <message>
        <source>%1: %2, %3 bits (descriptor words %4 and %5); names a row of table %6 (%7) by its id</source>
        <extracomment>%1: the field; %2: what part of the row it is; %3 to %5: where it is stored; %6 and %7: the number and the name of the table whose rows it names</extracomment>
        <translation>%1: %2, %3 bits (descriptorwoorden %4 en %5); verwijst via het id naar een rij van tabel %6 (%7)</translation>
    </message>
    <message>
        <source>%1: %2, a whole word</source>
        <extracomment>%1: the field; %2: what part of the row it is</extracomment>
        <translation>%1: %2, een heel woord</translation>
    </message>
    <message>
        <source>%1: %2, a whole word; names a row of table %3 (%4) by its id</source>
        <extracomment>%1: the field; %2: what part of the row it is; %3 and %4: the number and the name of the table whose rows it names</extracomment>
        <translation>%1: %2, een heel woord; verwijst via het id naar een rij van tabel %3 (%4)</translation>
    </message>
</context>
<context>
    <name>qira::tables_window</name>
    <message numerus="yes">
        <source>%1  %2  (%Ln rows)</source>
        <extracomment>%1: the table&apos;s number; %2: its name; %n: how many rows it has</extracomment>
        <translation>
            <numerusform>%1  %2  (%Ln rij)</numerusform>
            <numerusform>%1  %2  (%Ln rijen)</numerusform>
        </translation>
    </message>
    <message>
        <source>All tables - %1</source>
        <extracomment>%1: the program&apos;s name</extracomment>
        <translation>Alle tabellen - %1</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exporteren</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importeren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-bestanden (*.csv);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Tables</source>
        <translation>Tabellen</translation>
    </message>
    <message>
        <source>Columns named...</source>
        <translation>Kolommen met naam...</translation>
    </message>
    <message>
        <source>Show only the columns whose name contains</source>
        <translation>Alleen de kolommen tonen waarvan de naam dit bevat</translation>
    </message>
    <message>
        <source>Filter all columns (Ctrl+F)</source>
        <translation>Alle kolommen filteren (Ctrl+F)</translation>
    </message>
    <message>
        <source>Filter over all columns</source>
        <translation>Filter over alle kolommen</translation>
    </message>
    <message>
        <source>Rows shown</source>
        <translation>Getoonde rijen</translation>
    </message>
    <message>
        <source>Rows of the table</source>
        <translation>Rijen van de tabel</translation>
    </message>
    <message>
        <source>Insert copy</source>
        <translation>Kopie invoegen</translation>
    </message>
    <message>
        <source>Insert a copy of each selected row after it</source>
        <translation>Voeg na elke geselecteerde rij een kopie ervan in</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Button: deletes the selected rows</extracomment>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Delete the selected rows</source>
        <translation>De geselecteerde rijen verwijderen</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exporteren...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>CSV importeren...</translation>
    </message>
    <message>
        <source>Replace the rows of this table by a CSV file&apos;s</source>
        <translation>De rijen van deze tabel vervangen door die van een CSV-bestand</translation>
    </message>
    <message>
        <source>Fill...</source>
        <translation>Vullen...</translation>
    </message>
    <message>
        <source>Set the selected cells to one value</source>
        <translation>De geselecteerde cellen op één waarde zetten</translation>
    </message>
    <message>
        <source>Adjust...</source>
        <translation>Aanpassen...</translation>
    </message>
    <message>
        <source>Add to or multiply the current column&apos;s values in every row the filters show</source>
        <translation>De waarden van de huidige kolom verhogen of vermenigvuldigen in elke rij die de filters tonen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Tables status</source>
        <translation>Status van tabellen</translation>
    </message>
    <message>
        <source>Not adjusted: choose a cell of the column to adjust.</source>
        <translation>Niet aangepast: kies een cel van de kolom die je wilt aanpassen.</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Sorteren op naam</translation>
    </message>
    <message>
        <source>Sort by number</source>
        <translation>Sorteren op nummer</translation>
    </message>
    <message>
        <source>Sort the current column by the names of the rows it names (again: the other way)</source>
        <translation>De huidige kolom sorteren op de namen van de rijen waarnaar hij verwijst (nogmaals: omgekeerd)</translation>
    </message>
    <message>
        <source>Sort the current column by its values (again: the other way)</source>
        <translation>De huidige kolom sorteren op de waarden (nogmaals: omgekeerd)</translation>
    </message>
    <message>
        <source>Not sorted: choose a cell of the column to sort by.</source>
        <translation>Niet gesorteerd: kies een cel van de kolom waarop je wilt sorteren.</translation>
    </message>
    <message>
        <source>%1 names no rows: sorted by its values.</source>
        <extracomment>%1: the column</extracomment>
        <translation>%1 verwijst niet naar rijen: gesorteerd op de waarden.</translation>
    </message>
    <message>
        <source>Sorted by %1 (names, ascending).</source>
        <translation>Gesorteerd op %1 (namen, oplopend).</translation>
    </message>
    <message>
        <source>Sorted by %1 (names, descending).</source>
        <translation>Gesorteerd op %1 (namen, aflopend).</translation>
    </message>
    <message>
        <source>Sorted by %1 (values, ascending).</source>
        <translation>Gesorteerd op %1 (waarden, oplopend).</translation>
    </message>
    <message>
        <source>Sorted by %1 (values, descending).</source>
        <translation>Gesorteerd op %1 (waarden, aflopend).</translation>
    </message>
    <message>
        <source>%L1 of %L2 rows</source>
        <extracomment>%1: the rows the filters show; %2: all rows of the table</extracomment>
        <translation>%L1 van %L2 rijen</translation>
    </message>
    <message>
        <source>insert %1 row copies in table %2</source>
        <extracomment>%1: how many rows; %2: the table&apos;s number</extracomment>
        <translation>%1 kopieën van rijen invoegen in tabel %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows inserted.</source>
        <translation>
            <numerusform>%Ln rij ingevoegd.</numerusform>
            <numerusform>%Ln rijen ingevoegd.</numerusform>
        </translation>
    </message>
    <message>
        <source>delete %1 rows of table %2</source>
        <extracomment>%1: how many rows; %2: the table&apos;s number</extracomment>
        <translation>%1 rijen van tabel %2 verwijderen</translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows deleted.</source>
        <translation>
            <numerusform>%Ln rij verwijderd.</numerusform>
            <numerusform>%Ln rijen verwijderd.</numerusform>
        </translation>
    </message>
    <message>
        <source>no table is shown</source>
        <translation>er wordt geen tabel getoond</translation>
    </message>
    <message>
        <source>Table %1 exported to %2 (%L3 rows).</source>
        <extracomment>%1: the table&apos;s number; %2: the file; %3: how many rows</extracomment>
        <translation>Tabel %1 geëxporteerd naar %2 (%L3 rijen).</translation>
    </message>
    <message>
        <source>import %1 into table %2</source>
        <extracomment>%1: the CSV file; %2: the table&apos;s number</extracomment>
        <translation>%1 importeren in tabel %2</translation>
    </message>
    <message>
        <source>%1 Warning: %2</source>
        <extracomment>%1: what the import did; %2: what the user should know about it</extracomment>
        <translation>%1 Waarschuwing: %2</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Vullen</translation>
    </message>
    <message>
        <source>Value for the selected cells:</source>
        <translation>Waarde voor de geselecteerde cellen:</translation>
    </message>
    <message>
        <source>Adjust %1</source>
        <extracomment>%1: the column</extracomment>
        <translation>%1 aanpassen</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>How to adjust the values: add the amount to each, or multiply each by it</extracomment>
        <translation>Optellen</translation>
    </message>
    <message>
        <source>Multiply by</source>
        <translation>Vermenigvuldigen met</translation>
    </message>
    <message>
        <source>Adjust by</source>
        <translation>Aanpassen door</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Hoeveelheid</translation>
    </message>
    <message>
        <source>&amp;Adjust</source>
        <translation>&amp;Aanpassen</translation>
    </message>
    <message>
        <source>A&amp;mount</source>
        <translation>&amp;Hoeveelheid</translation>
    </message>
    <message>
        <source>Every row the filters show; each value held within its field&apos;s range.</source>
        <translation>Elke rij die de filters tonen; elke waarde blijft binnen het bereik van het veld.</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>%1: the row&apos;s number; %2: the column; %3: the problem</extracomment>
        <translation>rij %1, kolom %2: %3</translation>
    </message>
    <message>
        <source>Not copied: select one rectangle of cells.</source>
        <translation>Niet gekopieerd: selecteer één rechthoek van cellen.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells copied.</source>
        <translation>
            <numerusform>%Ln cel gekopieerd.</numerusform>
            <numerusform>%Ln cellen gekopieerd.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not pasted: choose the cell to paste from.</source>
        <translation>Niet geplakt: kies de cel vanaf waar je wilt plakken.</translation>
    </message>
    <message>
        <source>Not pasted</source>
        <translation>Niet geplakt</translation>
    </message>
    <message>
        <source>paste %1 cells in table %2</source>
        <extracomment>%1: how many cells; %2: the table&apos;s number</extracomment>
        <translation>%1 cellen plakken in tabel %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells pasted.</source>
        <translation>
            <numerusform>%Ln cel geplakt.</numerusform>
            <numerusform>%Ln cellen geplakt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not filled</source>
        <translation>Niet gevuld</translation>
    </message>
    <message>
        <source>fill %1 cells of table %2</source>
        <extracomment>%1: how many cells; %2: the table&apos;s number</extracomment>
        <translation>%1 cellen van tabel %2 vullen</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells filled with %1.</source>
        <extracomment>%1: the value typed</extracomment>
        <translation>
            <numerusform>%Ln cel gevuld met %1.</numerusform>
            <numerusform>%Ln cellen gevuld met %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not adjusted</source>
        <translation>Niet aangepast</translation>
    </message>
    <message>
        <source>adjust %1 of %2 rows</source>
        <extracomment>%1: the column; %2: how many rows</extracomment>
        <translation>%1 van %2 rijen aanpassen</translation>
    </message>
    <message numerus="yes">
        <source>%1 adjusted in %Ln rows.</source>
        <extracomment>%1: the column; %n: how many rows</extracomment>
        <translation>
            <numerusform>%1 aangepast in %Ln rij.</numerusform>
            <numerusform>%1 aangepast in %Ln rijen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 adjusted in %2 rows; %3 held at the end of the field&apos;s range.</source>
        <translation>%1 aangepast in %2 rijen; %3 begrensd tot het bereik van het veld.</translation>
    </message>
    <message>
        <source>Not inserted: %1</source>
        <extracomment>%1: why the rows were not inserted</extracomment>
        <translation>Niet ingevoegd: %1</translation>
    </message>
    <message>
        <source>Not deleted: %1</source>
        <extracomment>%1: why the rows were not deleted</extracomment>
        <translation>Niet verwijderd: %1</translation>
    </message>
</context>
<context>
    <name>qira::team_page</name>
    <message>
        <source>Apply roster %1</source>
        <extracomment>Undo step of the roster page&apos;s Apply; %1: the team</extracomment>
        <translation>Selectie %1 toepassen</translation>
    </message>
    <message>
        <source>Name long</source>
        <translation>Lange naam</translation>
    </message>
    <message>
        <source>Name (5)</source>
        <translation>Naam (5)</translation>
    </message>
    <message>
        <source>Name (10)</source>
        <translation>Naam (10)</translation>
    </message>
    <message>
        <source>Team prestige</source>
        <translation>Teamprestige</translation>
    </message>
    <message>
        <source>Formation</source>
        <translation>Opstelling</translation>
    </message>
    <message>
        <source>Attack style</source>
        <translation>Aanvalsstijl</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stadion</translation>
    </message>
    <message>
        <source>Captain</source>
        <translation>Aanvoerder</translation>
    </message>
    <message>
        <source>Penaltist</source>
        <translation>Strafschopnemer</translation>
    </message>
    <message>
        <source>Edit team players &gt;&gt;&gt;</source>
        <translation>Selectie bewerken &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Apply team %1</source>
        <extracomment>Undo step of the team page&apos;s Apply; %1: the team</extracomment>
        <translation>Team %1 toepassen</translation>
    </message>
</context>
<context>
    <name>qira::tree_find</name>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Zoeken (Ctrl+F)</translation>
    </message>
    <message>
        <source>Name or part of a name, any case, accents optional; a number or #number finds a player by id. Enter or F3: next, Shift+Enter or Shift+F3: previous, Esc: back to the tree.</source>
        <translation>Naam of deel van een naam; hoofdletters en accenten maken niet uit; een getal of #getal vindt een speler op id. Enter of F3: volgende, Shift+Enter of Shift+F3: vorige, Esc: terug naar de boom.</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button that empties the find field</extracomment>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <extracomment>The clear button&apos;s name for screen readers; %1: the find field&apos;s name (&quot;find in tree&quot;)</extracomment>
        <translation>%1 wissen</translation>
    </message>
    <message>
        <source>Clear the find field</source>
        <translation>Het zoekveld wissen</translation>
    </message>
    <message>
        <source>%L1 of %L2</source>
        <extracomment>Which match of the find is shown: %1 of %2 matches</extracomment>
        <translation>%L1/%L2</translation>
    </message>
    <message>
        <source>no match</source>
        <translation>geen treffers</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 treffer</translation>
    </message>
    <message numerus="yes">
        <source>%Ln matches</source>
        <translation>
            <numerusform>%Ln treffer</numerusform>
            <numerusform>%Ln treffers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::undo_buttons</name>
    <message>
        <source>Undo %1 (%2)</source>
        <extracomment>%1: the step Undo takes back (e.g. &quot;Apply player Ann Lee&quot;); %2: its keys</extracomment>
        <translation>Ongedaan maken: %1 (%2)</translation>
    </message>
    <message>
        <source>Redo %1 (%2)</source>
        <translation>Opnieuw: %1 (%2)</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1: the step Undo takes back (e.g. &quot;Apply player Ann Lee&quot;)</extracomment>
        <translation>Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Opnieuw: %1</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Niets om ongedaan te maken</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Niets om opnieuw te doen</translation>
    </message>
</context>
</TS>
