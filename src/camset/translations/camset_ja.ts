<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>vn::camset::TfrmSetCamReg</name>
    <message>
        <source>Camera Settings</source>
        <translation>撮影設定</translation>
    </message>
    <message>
        <source>&amp;Flash Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set &amp;Time to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Time + 1 Min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Time + 5 Min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banding Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;60 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;50 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Looping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exposure Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore Dark Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The camera settings could not be written to %1: %2</source>
        <translation>カメラ設定を %1 に書き込めませんでした: %2</translation>
    </message>
</context>
</TS>
