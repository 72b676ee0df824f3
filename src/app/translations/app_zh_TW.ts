<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>vn::app::TfrmVNMain</name>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Error opening %1</source>
        <translation>開啟 %1 時發生錯誤</translation>
    </message>
    <message>
        <source>MVC AVI Player</source>
        <translation>MVC AVI Player</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開啟舊檔</translation>
    </message>
    <message>
        <source>&amp;Save Current</source>
        <translation>另存畫面</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>&amp;Camera Settings</source>
        <translation>設定相機</translation>
    </message>
    <message>
        <source>&amp;Embed Timestamp</source>
        <translation>嵌入時間標示</translation>
    </message>
    <message>
        <source>Deblock</source>
        <translation>去區塊濾波</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>1X zoom</source>
        <translation>1 倍縮放</translation>
    </message>
    <message>
        <source>2X zoom</source>
        <translation>2 倍縮放</translation>
    </message>
    <message>
        <source>Var zoom</source>
        <translation>可變縮放</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>播放速度</translation>
    </message>
    <message>
        <source>Seek</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>影片資訊</translation>
    </message>
    <message>
        <source>Motion Search</source>
        <translation>畫面變化搜尋</translation>
    </message>
    <message>
        <source>PlayList</source>
        <translation>播放清單</translation>
    </message>
    <message>
        <source>Movie Info</source>
        <translation>錄影資訊</translation>
    </message>
    <message>
        <source>Capture Interval</source>
        <translation>拍攝間隔時間</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>拍攝累積時間</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>拍攝時間/日期</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>搜尋位階設定</translation>
    </message>
    <message>
        <source>Search Inactive</source>
        <translation>前後搜尋鍵</translation>
    </message>
    <message>
        <source>Search Forward</source>
        <translation>&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Search Backward</source>
        <translation>&lt;&lt;&lt;</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>&lt;&lt;&gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>上一個檔案</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>下一個檔案</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Camera Model:  </source>
        <translation>相機型號</translation>
    </message>
    <message>
        <source>Image Quality</source>
        <translation>畫質</translation>
    </message>
    <message>
        <source>Band Filter</source>
        <translation>抗閃爍</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>場景</translation>
    </message>
    <message>
        <source>Custom Expo</source>
        <translation>自訂曝光</translation>
    </message>
    <message>
        <source>Timer Start</source>
        <translation>定時開始</translation>
    </message>
    <message>
        <source>Timer Stop</source>
        <translation>定時結束</translation>
    </message>
    <message>
        <source>Timer Days</source>
        <translation>定時星期</translation>
    </message>
    <message>
        <source>LED Display</source>
        <translation>LED 指示燈</translation>
    </message>
    <message>
        <source>Low Light Rec</source>
        <translation>低光拍攝</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>時間標示</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>韌體</translation>
    </message>
    <message>
        <source>Capture Mode</source>
        <translation>拍攝模式</translation>
    </message>
    <message>
        <source>FPGA</source>
        <translation>FPGA</translation>
    </message>
    <message>
        <source>WB Mode</source>
        <translation>白平衡</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>對比</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>銳利度</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>飽和度</translation>
    </message>
    <message>
        <source>HDR Range</source>
        <translation>HDR 範圍</translation>
    </message>
    <message>
        <source>PIR Active</source>
        <translation>PIR 感應</translation>
    </message>
    <message>
        <source>PIR Seek</source>
        <translation>PIR 搜尋</translation>
    </message>
    <message>
        <source>Mark Start of Exported Segment</source>
        <translation>標記為匯出片段的起點</translation>
    </message>
    <message>
        <source>Mark End of Exported Segment</source>
        <translation>標記為匯出片段的終點</translation>
    </message>
    <message>
        <source>Export Segment</source>
        <translation>匯出片段</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>End frame cannot come before start frame</source>
        <translation>結束畫格不能在開始畫格之前</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>無法儲存 %1：%2</translation>
    </message>
</context>
</TS>
