<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Window language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language of the editor&apos;s window, from its next start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The choice of language could not be stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window speaks %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window will speak %1 from the editor&apos;s next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes the open game&apos;s files without leaving the editor</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Quits the editor</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes as patch...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply patch...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge patches...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish Editing...</source>
        <extracomment>Leaves the pages for the start screen, where the game is saved or closed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Takes back the last change</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Makes again the last change taken back</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All tables...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check game...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QIRA 2004 was not found: choose its folder with &quot;Game folder...&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue Editing...</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find in tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leagues, teams and players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every table and field in a grid (Ctrl+T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>References between the tables that point nowhere, and other problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An editor for the data files of QIRA 2004.
It changes the leagues, teams and players of an installed game:
titles and names, formations, stadiums, captains, squad numbers
and player attributes, and players can change teams.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program is not made or supported by the makers of the game.
Keep a copy of the data\cmn folder before you save changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the game&apos;s folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write what you changed since opening as a patch file to share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply a patch file to the open game, as one step that can be undone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare the open game with another install&apos;s and take over the differences you tick (Ctrl+Shift+D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with another game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge two patch files made on the open game, choose a side where they disagree and apply (Ctrl+Shift+M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge two patches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>The name screen readers give the start screen&apos;s status line</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>League</source>
        <extracomment>Tab title of the page of a league</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <extracomment>Tab title of the page of a team</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Tab title of the page of a player</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blank</source>
        <extracomment>Tab title of the page that moves players between teams (it has always read &quot;blank&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TabSheet5</source>
        <extracomment>Tab title of the hints page (it has always read &quot;TabSheet5&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::check_commands</name>
    <message numerus="yes">
        <source>and %Ln more</source>
        <extracomment>The last line of a list of problems; %Ln: how many more are not listed</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The changes leave a problem the files did not have:

%1

Save anyway?</source>
        <extracomment>%1: the problem, on its own line</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The changes leave %Ln problems the files did not have:

%1

Save anyway?</source>
        <extracomment>%Ln: how many problems (two or more); %1: the problems, one a line</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::check_window</name>
    <message>
        <source>Check game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems of the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No problems found.</source>
        <extracomment>%1: the number of problems (&quot;1 problem&quot;, &quot;3 problems&quot;); %2: how many of them are new</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %L2 of them made since the files were opened. Double-click one to show its row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln problems</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::file_commands</name>
    <message>
        <source>Can&apos;t open %1 file!
<byte value="xd"/>Make sure QIRA 2004 fully installed</source>
        <extracomment>%1: the language file&apos;s name (eng.db)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open %1 file.
<byte value="xd"/>Make sure QIRA 2004 fully installed</source>
        <extracomment>%1: the game database&apos;s name (qira.db)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <extracomment>Title of the message box of a game file that did not load</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Title of the message box of a save that failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes saved to %1 and %2.</source>
        <extracomment>%1: the game database&apos;s file name, %2: the language file&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are changes that have not been saved. Discard them?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::filter_header</name>
    <message>
        <source>Filter</source>
        <extracomment>Placeholder of the field above a column that filters its rows</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter of column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows whose %1 contains this text, or a comparison: =5, !=5, &gt;10, &lt;=3, 10..20</source>
        <extracomment>%1: the column&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::free_player_dialog</name>
    <message>
        <source>Sign free player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter by name or id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter of players without a team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players without a team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Players without a team (%L1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::game_folder</name>
    <message>
        <source>The folder QIRA 2004 is installed in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no data\cmn\qira.db, so it is not the folder of QIRA 2004.

Choose the folder the game is installed in (the one that holds &quot;data&quot;).</source>
        <extracomment>%1: the folder chosen</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s folder is %1.</source>
        <extracomment>%1: the game&apos;s install folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s folder is %1 for now: it could not be remembered for the next start.</source>
        <extracomment>%1: the game&apos;s install folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::handler_values</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::item_lists</name>
    <message>
        <source>Primier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Posession</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long ball</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wing play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-5-2 Attacking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-5-2 Defensive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-5-2 Neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-3-3 Neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-3-3 Defensive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-3-3 Attacking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-4-2 Neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-4-2 Defensive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-4-2 Attacking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5-3-2 Neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5-3-2 Defensive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5-3-2 Attacking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5-2-3 Neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5-2-3 Defensive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5-2-3 Attacking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-5-1 Neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-1-2-1-2 Neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-2-3-1 Neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-3-1-2 Neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-2-4 Neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-4-1-1 Neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-4-1-2 Neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-6-1 Neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-3-5 Neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5-4-1 Neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-6-1 Attacking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-6-1 Defensive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-4-1-1 Attacking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-4-3 Attacking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-4-3 Defensive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-4-3 Neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-3-5 Attacking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-3-5 Defensive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-4-1-2 Attacking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-4-1-2 Defensive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-1-2-1-2 Attacking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-1-2-1-2 Defensive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-2-3-1 Attacking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-2-3-1 Defensive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-2-4 Attacking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-2-4 Defensive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-3-1-2 Attacking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-3-1-2 Defensive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-4-1-1 Defensive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-5-1 Attacking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-5-1 Defensive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5-4-1 Attacking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5-4-1 Defensive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GK</source>
        <extracomment>Positions on the pitch, abbreviated as on a team sheet (GK goalkeeper, SW sweeper, RB right back, CB centre back, DM/CM/AM defensive/central/attacking midfielder, WM wide midfielder, CF centre forward, ST striker, Sub substitute, Res reserve)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RCB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RDM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RCDM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CDM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCDM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LDM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RWM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RCM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LWM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RCAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RCF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Res</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Brown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::league_page</name>
    <message>
        <source>Long Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply league %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::merge_conflicts_window</name>
    <message>
        <source>left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bits no field covers</source>
        <extracomment>What a conflict is about: bits of a row that no field of the table covers</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table&apos;s rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text</source>
        <extracomment>What a conflict is about: a text of the language file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 place where A (%1) and B (%2) disagree. Choose the side each takes, or leave it out; the merged changes are shown for review next.</source>
        <extracomment>%1 and %2: the names of the two patches merged</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln places where A (%1) and B (%2) disagree. Choose the side each takes, or leave it out; the merged changes are shown for review next.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>What the conflicts are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conflicts of the two patches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>Column headers: the row, the field, its value before both patches, the value of patch A and of patch B, and the side taken</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on the selected lines (%2)</source>
        <extracomment>%1: the command (Take A, Take B, Leave out); %2: its keys</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge with these choices and review the changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::message_sink</name>
    <message>
        <source>Fatal Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::patch_commands</name>
    <message>
        <source>%1 does not apply to this game: 1 conflict. Nothing was changed.

%2</source>
        <extracomment>%1: the patch&apos;s name; %2: the conflict, on its own line</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 does not apply to this game: %Ln conflicts. Nothing was changed.

%2</source>
        <extracomment>%1: the patch&apos;s name; %Ln: how many conflicts (two or more); %2: the conflicts, one a line</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Save changes as patch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply patch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patches (*.json);;All files (*)</source>
        <extracomment>File dialog filters: the parts in brackets stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with another game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game database (qira.db);;All files (*)</source>
        <extracomment>File dialog filters: the parts in brackets stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files could not be read again after they were opened, so there is nothing to compare the changes with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparing the game with its files as opened...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed since the files were opened: there is no patch to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <extracomment>Progress; %1: the patch file&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Title of the message box of a save that failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>A patch of %Ln changes was written to %1.</source>
        <extracomment>%Ln: how many changes; %1: the patch file&apos;s name</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <extracomment>Progress; %1: the patch file&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The two patch files merged, named in other messages; %1, %2: their file names</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merging %1...</source>
        <extracomment>Progress; %1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merged from %1: no conflicts.</source>
        <extracomment>%1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conflicts of %1</source>
        <extracomment>Window title; %1: the two patch files</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 were not merged; nothing was changed.</source>
        <extracomment>%1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merged from %1: 1 conflict decided (a: %2, b: %3, left out: %4).</source>
        <extracomment>%1: the two patch files; %2, %3, %4: how many conflicts took side a, took side b, were left out</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Merged from %1: %Ln conflicts decided (a: %2, b: %3, left out: %4).</source>
        <extracomment>%1: the two patch files; %Ln: how many conflicts (two or more); %2, %3, %4: how many took side a, took side b, were left out</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>merge patches %1</source>
        <extracomment>Undo step; %1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge patches %1</source>
        <extracomment>Window title; %1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no language file %2 beside it, so the language entries are not compared.</source>
        <extracomment>%1: the other game&apos;s database; %2: the language file&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading and comparing %1...</source>
        <extracomment>Progress; %1: the other game&apos;s database</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The open game and %1 hold the same.</source>
        <extracomment>%1: the other game&apos;s database</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differences from the open game to %1: tick what to take over.</source>
        <extracomment>%1: the other game&apos;s database</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>take over from %1</source>
        <extracomment>Undo step; %1: the other game&apos;s database</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with %1</source>
        <extracomment>Window title; %1: the other game&apos;s database</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no changes.</source>
        <extracomment>%1: the patch (or the game compared with)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review patch %1</source>
        <extracomment>Window title; %1: the patch file&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not applied; nothing was changed.</source>
        <extracomment>%1: the patch (or the game compared with)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the selected changes change nothing in this game.</source>
        <extracomment>%1: the patch (or the game compared with)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 of %3 changes applied; Undo takes them back.</source>
        <extracomment>%1: the patch (or the game compared with); %2 of %3: the changes ticked of all changes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>apply patch %1</source>
        <extracomment>Undo step; %1: the patch file&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::patch_review_model</name>
    <message>
        <source>1 conflict</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>field %1</source>
        <extracomment>%1: the name of a field of a row the patch changes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conflict: %1</source>
        <extracomment>%1: why the change conflicts with the game</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 conflict beneath</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts beneath</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Column header: the table, row or field a patch changes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patch expects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Will be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::patch_review_window</name>
    <message>
        <source>1 change</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln changes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 conflict</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Where these changes come from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %L1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No change of this patch can be applied to this game:
%1</source>
        <extracomment>%1: the problems, one a line</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems of the whole patch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A table, a name, a field or a value (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find in the changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes of the patch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick every change that does not conflict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply the ticked changes as one step of Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick</source>
        <extracomment>Context menu: tick the check box of the change (choose it to be applied)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, %L3 selected; %L4 of %L5 rows shown</source>
        <extracomment>%1: &quot;40 changes&quot;; %2: &quot;1 conflict&quot;; %3: how many changes are ticked; %4 of %5: the rows the find shows of all rows</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, %L3 selected</source>
        <extracomment>%1: &quot;40 changes&quot;; %2: &quot;1 conflict&quot;; %3: how many are ticked</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::player_names_dialog</name>
    <message>
        <source>&amp;First name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pseudonym</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Surname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No new player: %1</source>
        <extracomment>%1: why no new player can be made</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New player</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::player_page</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pseudonym</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferred position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hair color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boots color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tackling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ball Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shot Accuraty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Edit Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New player...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A copy of this player with the next free id and new names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This player&apos;s row and his memberships of teams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*Hair color may not match when special face is used for player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the player to copy first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New player %1 (id %2) in %3.</source>
        <extracomment>%1: the player&apos;s name; %2: his id; %3: the team</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New player %1 (id %2), without a team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the player to delete first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted %1 and his membership of a team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Deleted %1 and his %Ln memberships of teams.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::recovery_commands</name>
    <message>
        <source>Put aside</source>
        <extracomment>A choice of the question about the changes kept when the editor did not close normally</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decide at the next start</source>
        <extracomment>A choice of the question about the changes kept when the editor did not close normally</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its lock cannot be taken</source>
        <extracomment>Why the file that keeps the unsaved changes cannot be written</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be renamed; it stays for the next start.</source>
        <extracomment>%1: the file that keeps the changes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kept changes were put aside as %1. &quot;Apply patch...&quot; can apply them to the game.</source>
        <extracomment>%1: the file the changes were put aside as</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has changed on disk since (or cannot be read): changes that no longer apply show as conflicts.</source>
        <extracomment>%1: a game file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The editor did not close normally. It kept 1 unsaved change to
%1

%2Open these files and apply the changes (one step of Undo), or put them aside?</source>
        <extracomment>%1: the game&apos;s files, one a line; %2: empty, or a paragraph about files changed on disk since (it ends in an empty line)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The editor did not close normally. It kept %Ln unsaved changes to
%1

%2Open these files and apply the changes (one step of Undo), or put them aside?</source>
        <extracomment>%Ln: how many changes (two or more); %1: the game&apos;s files, one a line; %2: empty, or a paragraph about files changed on disk since (it ends in an empty line)</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Open and apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These changes were kept by the editor when it did not close normally (%1), made to the files as they were opened or saved then.</source>
        <extracomment>%1: the file that kept the changes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kept changes stay in %1 for the next start.</source>
        <extracomment>%1: the file that keeps the changes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kept changes were put aside as %1.</source>
        <extracomment>%1: the file the changes were put aside as</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::reference_delegate</name>
    <message>
        <source>Row %1, %2: not changed: %3</source>
        <extracomment>%1: the row&apos;s number; %2: the column; %3: why the typed text names no row</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::reference_picker</name>
    <message>
        <source>Row named: type a name or a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows the field may name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no row is called &apos;%1&apos;; type its name or a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>&apos;%1&apos; names %Ln rows; choose one from the list</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::registry_key</name>
    <message>
        <source>the value &quot;%1&quot; could not be stored</source>
        <extracomment>Why a setting was not saved; %1: the setting&apos;s name as the registry keeps it</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::roster_page</name>
    <message>
        <source>Jersey number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The player &quot;%1&quot; could not be found; nothing was exchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;-- Xchange --&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exchange with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find in exchange tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign</source>
        <extracomment>Button: the chosen player joins this team (signs a contract)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the player chosen in the exchange tree into this team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release</source>
        <extracomment>Button: the player leaves this team</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected player into the team chosen in the exchange tree, or out of any team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign free player...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a player without a team to join this team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New player...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A copy of the selected player with new names, in this team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Edit team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;-- double click on player for quick edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exchange %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No team is shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the player to sign in the exchange tree.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sign %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not signed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the player to release in the roster.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>release %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>release %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not released</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every player is in a team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the player to copy in the roster.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No new player</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::table_model</name>
    <message>
        <source>edit %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, %3 bits (descriptor words %4 and %5)</source>
        <extracomment>%1: the field; %2: what part of the row it is; %3 to %5: where it is stored</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, %3 bits (descriptor words %4 and %5); names a row of table %6 (%7) by its id</source>
        <extracomment>%1: the field; %2: what part of the row it is; %3 to %5: where it is stored; %6 and %7: the number and the name of the table whose rows it names</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, a whole word</source>
        <extracomment>%1: the field; %2: what part of the row it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, a whole word; names a row of table %3 (%4) by its id</source>
        <extracomment>%1: the field; %2: what part of the row it is; %3 and %4: the number and the name of the table whose rows it names</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::tables_window</name>
    <message numerus="yes">
        <source>%1  %2  (%Ln rows)</source>
        <extracomment>%1: the table&apos;s number; %2: its name; %n: how many rows it has</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>All tables - %1</source>
        <extracomment>%1: the program&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns named...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show only the columns whose name contains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter all columns (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter over all columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows of the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a copy of each selected row after it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Button: deletes the selected rows</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the rows of this table by a CSV file&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the selected cells to one value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to or multiply the current column&apos;s values in every row the filters show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tables status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not adjusted: choose a cell of the column to adjust.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort the current column by the names of the rows it names (again: the other way)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort the current column by its values (again: the other way)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not sorted: choose a cell of the column to sort by.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names no rows: sorted by its values.</source>
        <extracomment>%1: the column</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorted by %1 (names, ascending).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorted by %1 (names, descending).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorted by %1 (values, ascending).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorted by %1 (values, descending).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 of %L2 rows</source>
        <extracomment>%1: the rows the filters show; %2: all rows of the table</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>insert %1 row copies in table %2</source>
        <extracomment>%1: how many rows; %2: the table&apos;s number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows inserted.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>delete %1 rows of table %2</source>
        <extracomment>%1: how many rows; %2: the table&apos;s number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows deleted.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>no table is shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table %1 exported to %2 (%L3 rows).</source>
        <extracomment>%1: the table&apos;s number; %2: the file; %3: how many rows</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import %1 into table %2</source>
        <extracomment>%1: the CSV file; %2: the table&apos;s number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Warning: %2</source>
        <extracomment>%1: what the import did; %2: what the user should know about it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value for the selected cells:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust %1</source>
        <extracomment>%1: the column</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>How to adjust the values: add the amount to each, or multiply each by it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiply by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Adjust</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;mount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every row the filters show; each value held within its field&apos;s range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>%1: the row&apos;s number; %2: the column; %3: the problem</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not copied: select one rectangle of cells.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells copied.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Not pasted: choose the cell to paste from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not pasted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paste %1 cells in table %2</source>
        <extracomment>%1: how many cells; %2: the table&apos;s number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells pasted.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Not filled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fill %1 cells of table %2</source>
        <extracomment>%1: how many cells; %2: the table&apos;s number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells filled with %1.</source>
        <extracomment>%1: the value typed</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Not adjusted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>adjust %1 of %2 rows</source>
        <extracomment>%1: the column; %2: how many rows</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 adjusted in %Ln rows.</source>
        <extracomment>%1: the column; %n: how many rows</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 adjusted in %2 rows; %3 held at the end of the field&apos;s range.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::team_page</name>
    <message>
        <source>Apply roster %1</source>
        <extracomment>Undo step of the roster page&apos;s Apply; %1: the team</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name (5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name (10)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team prestige</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attack style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Captain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penaltist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit team players &gt;&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply team %1</source>
        <extracomment>Undo step of the team page&apos;s Apply; %1: the team</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qira::tree_find</name>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name or part of a name, any case, accents optional; a number or #number finds a player by id. Enter or F3: next, Shift+Enter or Shift+F3: previous, Esc: back to the tree.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button that empties the find field</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear %1</source>
        <extracomment>The clear button&apos;s name for screen readers; %1: the find field&apos;s name (&quot;find in tree&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the find field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 of %L2</source>
        <extracomment>Which match of the find is shown: %1 of %2 matches</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 match</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln matches</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::undo_buttons</name>
    <message>
        <source>Undo %1 (%2)</source>
        <extracomment>%1: the step Undo takes back (e.g. &quot;Apply player Ann Lee&quot;); %2: its keys</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1: the step Undo takes back (e.g. &quot;Apply player Ann Lee&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
