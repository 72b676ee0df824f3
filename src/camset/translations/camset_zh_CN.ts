<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>vn::camset::TfrmSetCamReg</name>
    <message>
        <source>Camera Settings</source>
        <translation>设定相机</translation>
    </message>
    <message>
        <source>&amp;Flash Drive</source>
        <translation>驱动器(&amp;F)</translation>
    </message>
    <message>
        <source>Set &amp;Time to</source>
        <translation>设定时间(&amp;T)</translation>
    </message>
    <message>
        <source>System Time</source>
        <translation>系统时间</translation>
    </message>
    <message>
        <source>System Time + 1 Min.</source>
        <translation>系统时间 + 1 分钟</translation>
    </message>
    <message>
        <source>System Time + 5 Min.</source>
        <translation>系统时间 + 5 分钟</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>开关</translation>
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
        <translation>小时(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Minutes</source>
        <translation>分钟(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Seconds</source>
        <translation>秒(&amp;S)</translation>
    </message>
    <message>
        <source>Banding Filter</source>
        <translation>抗闪烁</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>无(&amp;N)</translation>
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
        <translation>循环录像(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Exposure Lock</source>
        <translation>曝光锁定(&amp;E)</translation>
    </message>
    <message>
        <source>Ignore Dark Frames</source>
        <translation>忽略过暗的帧</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>The camera settings could not be written to %1: %2</source>
        <translation>无法将相机设定写入 %1：%2</translation>
    </message>
</context>
</TS>
