<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>vn::recording_windows::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Viewer for MVC Cameras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays and inspects the recordings of time-lapse cameras.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vn::recording_windows::TfrmExtProgress</name>
    <message>
        <source>Extracting ...</source>
        <translation>导出中 ...</translation>
    </message>
</context>
<context>
    <name>vn::recording_windows::TfrmExtract</name>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVI movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPG sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
