<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>vn::diag::TfrmDiags</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Error opening %1</source>
        <translation>打开 %1 时出错</translation>
    </message>
    <message>
        <source>FW Rev</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>FPGA Rev</source>
        <translation>FPGA 版本</translation>
    </message>
    <message>
        <source>AWB Samples</source>
        <translation>AWB 采样数</translation>
    </message>
    <message>
        <source>Focus Score</source>
        <translation>对焦分数</translation>
    </message>
    <message>
        <source>R,G,B Avg</source>
        <translation>R,G,B 平均</translation>
    </message>
    <message>
        <source>R,G,B Gain</source>
        <translation>R,G,B 增益</translation>
    </message>
    <message>
        <source>Temp:</source>
        <translation>温度：</translation>
    </message>
    <message>
        <source>Min Batt</source>
        <translation>最低电池电压</translation>
    </message>
    <message>
        <source>Batt</source>
        <translation>电池电压</translation>
    </message>
    <message>
        <source>Luma</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Luma 1</source>
        <translation>亮度 1</translation>
    </message>
    <message>
        <source>Luma 2</source>
        <translation>亮度 2</translation>
    </message>
    <message>
        <source>Raw Expo</source>
        <translation>曝光（原始值）</translation>
    </message>
    <message>
        <source>Phys Exp</source>
        <translation>实际曝光</translation>
    </message>
    <message>
        <source>AE Gain</source>
        <translation>AE 增益</translation>
    </message>
    <message>
        <source>Retries</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Exp Type (TTL Only)</source>
        <translation>曝光类型（仅 TTL）</translation>
    </message>
    <message>
        <source>WB Mode</source>
        <translation>白平衡</translation>
    </message>
    <message>
        <source>Sig</source>
        <translation>签名</translation>
    </message>
    <message>
        <source>cs1</source>
        <translation>cs1</translation>
    </message>
    <message>
        <source>cs2</source>
        <translation>cs2</translation>
    </message>
    <message>
        <source>cs3</source>
        <translation>cs3</translation>
    </message>
    <message>
        <source>cs4</source>
        <translation>cs4</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>相机</translation>
    </message>
    <message>
        <source>Get Focus Score</source>
        <translation>获取对焦分数</translation>
    </message>
    <message>
        <source>Show &amp;Expo</source>
        <translation>显示曝光(&amp;E)</translation>
    </message>
    <message>
        <source>Show &amp;Times</source>
        <translation>显示时间(&amp;T)</translation>
    </message>
    <message>
        <source>Dump RTC Data</source>
        <translation>转储 RTC 数据</translation>
    </message>
    <message>
        <source>Display Bad Frames</source>
        <translation>显示损坏的帧</translation>
    </message>
    <message>
        <source>Report Good Frames</source>
        <translation>也记录正常帧</translation>
    </message>
    <message>
        <source>JPEG EOI Check</source>
        <translation>JPEG EOI 检查</translation>
    </message>
    <message>
        <source>Force &amp;B&amp;&amp;W</source>
        <translation>强制黑白(&amp;B)</translation>
    </message>
    <message>
        <source>Show QScale</source>
        <translation>显示量化比例</translation>
    </message>
    <message>
        <source>MVM Pause on Stop (don&apos;t reset movie)</source>
        <translation>MVM 停止时暂停（不重置影片）</translation>
    </message>
    <message>
        <source>Enable MVM Single Step</source>
        <translation>启用 MVM 单步</translation>
    </message>
    <message>
        <source>Show Checksums</source>
        <translation>显示校验和</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>诊断</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>清除(&amp;C)</translation>
    </message>
    <message>
        <source>Bad Frms:</source>
        <translation>坏帧：</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>取消(&amp;A)</translation>
    </message>
    <message>
        <source>Checksums</source>
        <translation>校验和</translation>
    </message>
    <message>
        <source>Breakpoint</source>
        <translation>断点</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Retries &gt; n</source>
        <translation>重试 &gt; n</translation>
    </message>
    <message>
        <source>chg luma &gt; n</source>
        <translation>亮度变化 &gt; n</translation>
    </message>
    <message>
        <source>tbd</source>
        <translation>待定</translation>
    </message>
    <message>
        <source>DeBlock Method</source>
        <translation>去块方式</translation>
    </message>
    <message>
        <source>0 - None</source>
        <translation>0 - 无</translation>
    </message>
    <message>
        <source>1 - Buffer-wide LPF</source>
        <translation>1 - 全缓冲区低通滤波</translation>
    </message>
    <message>
        <source>2 - MVC Filter</source>
        <translation>2 - MVC 滤波</translation>
    </message>
    <message>
        <source>MVM Restart</source>
        <translation>MVM 重新开始</translation>
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
        <translation>未知格式</translation>
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
