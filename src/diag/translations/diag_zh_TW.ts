<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>vn::diag::TfrmDiags</name>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Error opening %1</source>
        <translation>開啟 %1 時發生錯誤</translation>
    </message>
    <message>
        <source>FW Rev</source>
        <translation>韌體版本</translation>
    </message>
    <message>
        <source>FPGA Rev</source>
        <translation>FPGA 版本</translation>
    </message>
    <message>
        <source>AWB Samples</source>
        <translation>AWB 取樣數</translation>
    </message>
    <message>
        <source>Focus Score</source>
        <translation>對焦分數</translation>
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
        <translation>溫度：</translation>
    </message>
    <message>
        <source>Min Batt</source>
        <translation>最低電池電壓</translation>
    </message>
    <message>
        <source>Batt</source>
        <translation>電池電壓</translation>
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
        <translation>實際曝光</translation>
    </message>
    <message>
        <source>AE Gain</source>
        <translation>AE 增益</translation>
    </message>
    <message>
        <source>Retries</source>
        <translation>重試</translation>
    </message>
    <message>
        <source>Exp Type (TTL Only)</source>
        <translation>曝光類型（僅 TTL）</translation>
    </message>
    <message>
        <source>WB Mode</source>
        <translation>白平衡</translation>
    </message>
    <message>
        <source>Sig</source>
        <translation>簽章</translation>
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
        <translation>相機</translation>
    </message>
    <message>
        <source>Get Focus Score</source>
        <translation>取得對焦分數</translation>
    </message>
    <message>
        <source>Show &amp;Expo</source>
        <translation>顯示曝光(&amp;E)</translation>
    </message>
    <message>
        <source>Show &amp;Times</source>
        <translation>顯示時間(&amp;T)</translation>
    </message>
    <message>
        <source>Dump RTC Data</source>
        <translation>傾印 RTC 資料</translation>
    </message>
    <message>
        <source>Display Bad Frames</source>
        <translation>顯示損壞的畫格</translation>
    </message>
    <message>
        <source>Report Good Frames</source>
        <translation>也記錄正常畫格</translation>
    </message>
    <message>
        <source>JPEG EOI Check</source>
        <translation>JPEG EOI 檢查</translation>
    </message>
    <message>
        <source>Force &amp;B&amp;&amp;W</source>
        <translation>強制黑白(&amp;B)</translation>
    </message>
    <message>
        <source>Show QScale</source>
        <translation>顯示量化比例</translation>
    </message>
    <message>
        <source>MVM Pause on Stop (don&apos;t reset movie)</source>
        <translation>MVM 停止時暫停（不重設影片）</translation>
    </message>
    <message>
        <source>Enable MVM Single Step</source>
        <translation>啟用 MVM 單步</translation>
    </message>
    <message>
        <source>Show Checksums</source>
        <translation>顯示檢查碼</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>診斷</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>清除(&amp;C)</translation>
    </message>
    <message>
        <source>Bad Frms:</source>
        <translation>壞格：</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>取消(&amp;A)</translation>
    </message>
    <message>
        <source>Checksums</source>
        <translation>檢查碼</translation>
    </message>
    <message>
        <source>Breakpoint</source>
        <translation>中斷點</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Retries &gt; n</source>
        <translation>重試 &gt; n</translation>
    </message>
    <message>
        <source>chg luma &gt; n</source>
        <translation>亮度變化 &gt; n</translation>
    </message>
    <message>
        <source>tbd</source>
        <translation>待定</translation>
    </message>
    <message>
        <source>DeBlock Method</source>
        <translation>去區塊方式</translation>
    </message>
    <message>
        <source>0 - None</source>
        <translation>0 - 無</translation>
    </message>
    <message>
        <source>1 - Buffer-wide LPF</source>
        <translation>1 - 全緩衝區低通濾波</translation>
    </message>
    <message>
        <source>2 - MVC Filter</source>
        <translation>2 - MVC 濾波</translation>
    </message>
    <message>
        <source>MVM Restart</source>
        <translation>MVM 重新開始</translation>
    </message>
</context>
<context>
    <name>vn::diag::TfrmMyMsg</name>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Could not create directory for Camera Settings.  Please make sure you have selected the USB flash drive and connected it to the PC</source>
        <translation>請確認SD卡所在位置以及是否已於電腦的卸除式裝置中</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>檔案未發現</translation>
    </message>
    <message>
        <source>Unknown Format</source>
        <translation>未知格式</translation>
    </message>
    <message>
        <source>File Does Not Contain Any Frames</source>
        <translation>檔案未包含任何畫面資料</translation>
    </message>
    <message>
        <source>File Cannot Be Played</source>
        <translation>檔案無法播放</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確認</translation>
    </message>
</context>
</TS>
