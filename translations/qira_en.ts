<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
    <message numerus="yes">
        <source>%Ln problems</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::merge_conflicts_window</name>
    <message numerus="yes">
        <source>%Ln places where A (%1) and B (%2) disagree. Choose the side each takes, or leave it out; the merged changes are shown for review next.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::patch_commands</name>
    <message numerus="yes">
        <source>%1 does not apply to this game: %Ln conflicts. Nothing was changed.

%2</source>
        <extracomment>%1: the patch&apos;s name; %Ln: how many conflicts (two or more); %2: the conflicts, one a line</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A patch of %Ln changes was written to %1.</source>
        <extracomment>%Ln: how many changes; %1: the patch file&apos;s name</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Merged from %1: %Ln conflicts decided (a: %2, b: %3, left out: %4).</source>
        <extracomment>%1: the two patch files; %Ln: how many conflicts (two or more); %2, %3, %4: how many took side a, took side b, were left out</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::patch_review_model</name>
    <message numerus="yes">
        <source>%Ln conflicts</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts beneath</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::patch_review_window</name>
    <message numerus="yes">
        <source>%Ln changes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::player_page</name>
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
</context>
<context>
    <name>qira::reference_picker</name>
    <message numerus="yes">
        <source>&apos;%1&apos; names %Ln rows; choose one from the list</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
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
    <message numerus="yes">
        <source>%Ln rows inserted.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows deleted.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells copied.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells pasted.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells filled with %1.</source>
        <extracomment>%1: the value typed</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 adjusted in %Ln rows.</source>
        <extracomment>%1: the column; %n: how many rows</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::tree_find</name>
    <message numerus="yes">
        <source>%Ln matches</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
