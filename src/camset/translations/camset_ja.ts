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
        <translation>ドライブ(&amp;F)</translation>
    </message>
    <message>
        <source>Set &amp;Time to</source>
        <translation>時刻設定(&amp;T)</translation>
    </message>
    <message>
        <source>System Time</source>
        <translation>PCの時刻</translation>
    </message>
    <message>
        <source>System Time + 1 Min.</source>
        <translation>PCの時刻 + 1分</translation>
    </message>
    <message>
        <source>System Time + 5 Min.</source>
        <translation>PCの時刻 + 5分</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>スイッチ</translation>
    </message>
    <message>
        <source>&amp;1</source>
        <translation>&amp;1</translation>
    </message>
    <message>
        <source>&amp;2</source>
        <translation>&amp;2</translation>
    </message>
    <message>
        <source>&amp;3</source>
        <translation>&amp;3</translation>
    </message>
    <message>
        <source>&amp;Hours</source>
        <translation>時間(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Minutes</source>
        <translation>分(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Seconds</source>
        <translation>秒(&amp;S)</translation>
    </message>
    <message>
        <source>Banding Filter</source>
        <translation>フリッカー低減</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>なし(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;60 Hz</source>
        <translation>&amp;60 Hz</translation>
    </message>
    <message>
        <source>&amp;50 Hz</source>
        <translation>&amp;50 Hz</translation>
    </message>
    <message>
        <source>&amp;Looping</source>
        <translation>ループ録画(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Exposure Lock</source>
        <translation>露出固定(&amp;E)</translation>
    </message>
    <message>
        <source>Ignore Dark Frames</source>
        <translation>暗いフレームを無視</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解像度</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The camera settings could not be written to %1: %2</source>
        <translation>カメラ設定を %1 に書き込めませんでした: %2</translation>
    </message>
</context>
</TS>
