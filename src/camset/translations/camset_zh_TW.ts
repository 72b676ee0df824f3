<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>vn::camset::TfrmSetCamReg</name>
    <message>
        <source>Camera Settings</source>
        <translation>設定相機</translation>
    </message>
    <message>
        <source>&amp;Flash Drive</source>
        <translation>磁碟機(&amp;F)</translation>
    </message>
    <message>
        <source>Set &amp;Time to</source>
        <translation>設定時間(&amp;T)</translation>
    </message>
    <message>
        <source>System Time</source>
        <translation>系統時間</translation>
    </message>
    <message>
        <source>System Time + 1 Min.</source>
        <translation>系統時間 + 1 分鐘</translation>
    </message>
    <message>
        <source>System Time + 5 Min.</source>
        <translation>系統時間 + 5 分鐘</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>開關</translation>
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
        <translation>小時(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Minutes</source>
        <translation>分鐘(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Seconds</source>
        <translation>秒(&amp;S)</translation>
    </message>
    <message>
        <source>Banding Filter</source>
        <translation>抗閃爍</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>無(&amp;N)</translation>
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
        <translation>循環錄影(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Exposure Lock</source>
        <translation>曝光鎖定(&amp;E)</translation>
    </message>
    <message>
        <source>Ignore Dark Frames</source>
        <translation>忽略過暗的畫格</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解析度</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>確定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>The camera settings could not be written to %1: %2</source>
        <translation>無法將相機設定寫入 %1：%2</translation>
    </message>
</context>
</TS>
