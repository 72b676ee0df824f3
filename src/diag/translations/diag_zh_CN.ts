<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>vn::diag::TfrmDiags</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error opening %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FW Rev</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FPGA Rev</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AWB Samples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R,G,B Avg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R,G,B Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Batt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luma 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luma 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw Expo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phys Exp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AE Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exp Type (TTL Only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WB Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cs1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cs2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cs3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cs4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Focus Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Expo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dump RTC Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Bad Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Good Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG EOI Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force &amp;B&amp;&amp;W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show QScale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MVM Pause on Stop (don&apos;t reset movie)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable MVM Single Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Checksums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad Frms:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checksums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breakpoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retries &gt; n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chg luma &gt; n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tbd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DeBlock Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 - None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 - Buffer-wide LPF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 - MVC Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MVM Restart</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vn::diag::TfrmMyMsg</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Could not create directory for Camera Settings.  Please make sure you have selected the USB flash drive and connected it to the PC</source>
        <translation>请确认SD卡所在位置以及是否已于电脑的卸除式装置中</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>档案未发现</translation>
    </message>
    <message>
        <source>Unknown Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Does Not Contain Any Frames</source>
        <translation>档案未包含任何画面资料</translation>
    </message>
    <message>
        <source>File Cannot Be Played</source>
        <translation>档案无法播放</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确认</translation>
    </message>
</context>
</TS>
