<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>vn::camset::TfrmSetCamReg</name>
    <message>
        <source>Camera Settings</source>
        <translation>카메라세팅</translation>
    </message>
    <message>
        <source>&amp;Flash Drive</source>
        <translation>드라이브(&amp;F)</translation>
    </message>
    <message>
        <source>Set &amp;Time to</source>
        <translation>시간 설정(&amp;T)</translation>
    </message>
    <message>
        <source>System Time</source>
        <translation>시스템 시간</translation>
    </message>
    <message>
        <source>System Time + 1 Min.</source>
        <translation>시스템 시간 + 1분</translation>
    </message>
    <message>
        <source>System Time + 5 Min.</source>
        <translation>시스템 시간 + 5분</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>스위치</translation>
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
        <translation>시간(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Minutes</source>
        <translation>분(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Seconds</source>
        <translation>초(&amp;S)</translation>
    </message>
    <message>
        <source>Banding Filter</source>
        <translation>플리커 감소</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>없음(&amp;N)</translation>
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
        <translation>루프 녹화(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Exposure Lock</source>
        <translation>노출 고정(&amp;E)</translation>
    </message>
    <message>
        <source>Ignore Dark Frames</source>
        <translation>어두운 프레임 무시</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>해상도</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>The camera settings could not be written to %1: %2</source>
        <translation>카메라 설정을 %1에 쓸 수 없습니다: %2</translation>
    </message>
</context>
</TS>
