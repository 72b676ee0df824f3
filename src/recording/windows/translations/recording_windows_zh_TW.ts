<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>vn::recording_windows::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Viewer for MVC Cameras</source>
        <translation>MVC 相機播放器</translation>
    </message>
    <message>
        <source>Plays and inspects the recordings of time-lapse cameras.</source>
        <translation>播放並檢視縮時相機的錄影。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>vn::recording_windows::TfrmExtProgress</name>
    <message>
        <source>Extracting ...</source>
        <translation>匯出中 ...</translation>
    </message>
    <message>
        <source>Writing index</source>
        <translation>正在寫入索引</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Exporting %1 frames</source>
        <translation>正在匯出 %1 格</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>frame %1 cannot be read from the recording</source>
        <translation>無法從錄影讀取第 %1 格</translation>
    </message>
    <message>
        <source>There is not enough memory to export %1.</source>
        <translation>記憶體不足，無法匯出 %1。</translation>
    </message>
    <message>
        <source>The recording&apos;s header cannot be copied; %1 was not written.</source>
        <translation>無法複製錄影的檔頭，未寫入 %1。</translation>
    </message>
    <message>
        <source>%1 could not be created: %2</source>
        <translation>無法建立 %1：%2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2. Nothing of it was kept.</source>
        <translation>無法寫入 %1：%2。未保留任何部分。</translation>
    </message>
    <message>
        <source>%1 of %2 pictures could not be written; the first is %3: %4</source>
        <translation>%2 張圖片中有 %1 張無法寫入；第一張是 %3：%4</translation>
    </message>
</context>
<context>
    <name>vn::recording_windows::TfrmExtract</name>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>First</source>
        <translation>起始</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>間隔</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>檔名</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>Export As</source>
        <translation>匯出格式</translation>
    </message>
    <message>
        <source>AVI movie</source>
        <translation>AVI 影片</translation>
    </message>
    <message>
        <source>JPG sequence</source>
        <translation>JPG 序列</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>JPEG Pictures</source>
        <translation>JPEG 圖片</translation>
    </message>
    <message>
        <source>AVI Movie</source>
        <translation>AVI 影片</translation>
    </message>
</context>
</TS>
