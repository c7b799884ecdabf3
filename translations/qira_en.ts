<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>qira::check_commands</name>
    <message numerus="yes">
        <source>and %Ln more</source>
        <extracomment>The last line of a list of problems; %Ln: how many more are not listed</extracomment>
        <translation>
            <numerusform>and %Ln more</numerusform>
            <numerusform>and %Ln more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The changes leave %Ln problems the files did not have:

%1

Save anyway?</source>
        <extracomment>%Ln: how many problems (two or more); %1: the problems, one a line</extracomment>
        <translation>
            <numerusform>The changes leave %Ln problems the files did not have:

%1

Save anyway?</numerusform>
            <numerusform>The changes leave %Ln problems the files did not have:

%1

Save anyway?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::check_window</name>
    <message numerus="yes">
        <source>%Ln problems</source>
        <translation>
            <numerusform>%Ln problem</numerusform>
            <numerusform>%Ln problems</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::merge_conflicts_window</name>
    <message numerus="yes">
        <source>%Ln places where A (%1) and B (%2) disagree. Choose the side each takes, or leave it out; the merged changes are shown for review next.</source>
        <translation>
            <numerusform>%Ln place where A (%1) and B (%2) disagree. Choose the side each takes, or leave it out; the merged changes are shown for review next.</numerusform>
            <numerusform>%Ln places where A (%1) and B (%2) disagree. Choose the side each takes, or leave it out; the merged changes are shown for review next.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::patch_commands</name>
    <message numerus="yes">
        <source>%1 does not apply to this game: %Ln conflicts. Nothing was changed.

%2</source>
        <extracomment>%1: the patch&apos;s name; %Ln: how many conflicts (two or more); %2: the conflicts, one a line</extracomment>
        <translation>
            <numerusform>%1 does not apply to this game: %Ln conflicts. Nothing was changed.

%2</numerusform>
            <numerusform>%1 does not apply to this game: %Ln conflicts. Nothing was changed.

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A patch of %Ln changes was written to %1.</source>
        <extracomment>%Ln: how many changes; %1: the patch file&apos;s name</extracomment>
        <translation>
            <numerusform>A patch of %Ln change was written to %1.</numerusform>
            <numerusform>A patch of %Ln changes was written to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Merged from %1: %Ln conflicts decided (a: %2, b: %3, left out: %4).</source>
        <extracomment>%1: the two patch files; %Ln: how many conflicts (two or more); %2, %3, %4: how many took side a, took side b, were left out</extracomment>
        <translation>
            <numerusform>Merged from %1: %Ln conflicts decided (a: %2, b: %3, left out: %4).</numerusform>
            <numerusform>Merged from %1: %Ln conflicts decided (a: %2, b: %3, left out: %4).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::patch_review_model</name>
    <message numerus="yes">
        <source>%Ln conflicts</source>
        <translation>
            <numerusform>%Ln conflict</numerusform>
            <numerusform>%Ln conflicts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts beneath</source>
        <translation>
            <numerusform>%Ln conflict beneath</numerusform>
            <numerusform>%Ln conflicts beneath</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::patch_review_window</name>
    <message numerus="yes">
        <source>%Ln changes</source>
        <translation>
            <numerusform>%Ln change</numerusform>
            <numerusform>%Ln changes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts</source>
        <translation>
            <numerusform>%Ln conflict</numerusform>
            <numerusform>%Ln conflicts</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::player_page</name>
    <message numerus="yes">
        <source>Deleted %1 and his %Ln memberships of teams.</source>
        <translation>
            <numerusform>Deleted %1 and his %Ln membership of a team.</numerusform>
            <numerusform>Deleted %1 and his %Ln memberships of teams.</numerusform>
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
        <translation>
            <numerusform>The editor did not close normally. It kept %Ln unsaved changes to
%1

%2Open these files and apply the changes (one step of Undo), or put them aside?</numerusform>
            <numerusform>The editor did not close normally. It kept %Ln unsaved changes to
%1

%2Open these files and apply the changes (one step of Undo), or put them aside?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::reference_picker</name>
    <message numerus="yes">
        <source>&apos;%1&apos; names %Ln rows; choose one from the list</source>
        <translation>
            <numerusform>&apos;%1&apos; names %Ln row; choose one from the list</numerusform>
            <numerusform>&apos;%1&apos; names %Ln rows; choose one from the list</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::tables_window</name>
    <message numerus="yes">
        <source>%1  %2  (%Ln rows)</source>
        <extracomment>%1: the table&apos;s number; %2: its name; %n: how many rows it has</extracomment>
        <translation>
            <numerusform>%1  %2  (%Ln row)</numerusform>
            <numerusform>%1  %2  (%Ln rows)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows inserted.</source>
        <translation>
            <numerusform>%Ln row inserted.</numerusform>
            <numerusform>%Ln rows inserted.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows deleted.</source>
        <translation>
            <numerusform>%Ln row deleted.</numerusform>
            <numerusform>%Ln rows deleted.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells copied.</source>
        <translation>
            <numerusform>%Ln cell copied.</numerusform>
            <numerusform>%Ln cells copied.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells pasted.</source>
        <translation>
            <numerusform>%Ln cell pasted.</numerusform>
            <numerusform>%Ln cells pasted.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells filled with %1.</source>
        <extracomment>%1: the value typed</extracomment>
        <translation>
            <numerusform>%Ln cell filled with %1.</numerusform>
            <numerusform>%Ln cells filled with %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 adjusted in %Ln rows.</source>
        <extracomment>%1: the column; %n: how many rows</extracomment>
        <translation>
            <numerusform>%1 adjusted in %Ln row.</numerusform>
            <numerusform>%1 adjusted in %Ln rows.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::tree_find</name>
    <message numerus="yes">
        <source>%Ln matches</source>
        <translation>
            <numerusform>%Ln match</numerusform>
            <numerusform>%Ln matches</numerusform>
        </translation>
    </message>
</context>
</TS>
