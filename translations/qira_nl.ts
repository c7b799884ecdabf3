<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
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
</context>
</TS>
