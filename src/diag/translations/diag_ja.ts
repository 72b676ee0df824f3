<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>vn::diag::TfrmDiags</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Error opening %1</source>
        <translation>%1 を開けません</translation>
    </message>
    <message>
        <source>FW Rev</source>
        <translation>FWバージョン</translation>
    </message>
    <message>
        <source>FPGA Rev</source>
        <translation>FPGAバージョン</translation>
    </message>
    <message>
        <source>AWB Samples</source>
        <translation>AWBサンプル数</translation>
    </message>
    <message>
        <source>Focus Score</source>
        <translation>フォーカス値</translation>
    </message>
    <message>
        <source>R,G,B Avg</source>
        <translation>R,G,B 平均</translation>
    </message>
    <message>
        <source>R,G,B Gain</source>
        <translation>R,G,B ゲイン</translation>
    </message>
    <message>
        <source>Temp:</source>
        <translation>温度:</translation>
    </message>
    <message>
        <source>Min Batt</source>
        <translation>最低電池電圧</translation>
    </message>
    <message>
        <source>Batt</source>
        <translation>電池電圧</translation>
    </message>
    <message>
        <source>Luma</source>
        <translation>輝度</translation>
    </message>
    <message>
        <source>Luma 1</source>
        <translation>輝度 1</translation>
    </message>
    <message>
        <source>Luma 2</source>
        <translation>輝度 2</translation>
    </message>
    <message>
        <source>Raw Expo</source>
        <translation>露出 (生値)</translation>
    </message>
    <message>
        <source>Phys Exp</source>
        <translation>実露出</translation>
    </message>
    <message>
        <source>AE Gain</source>
        <translation>AEゲイン</translation>
    </message>
    <message>
        <source>Retries</source>
        <translation>リトライ</translation>
    </message>
    <message>
        <source>Exp Type (TTL Only)</source>
        <translation>露出タイプ (TTLのみ)</translation>
    </message>
    <message>
        <source>WB Mode</source>
        <translation>ホワイトバランス</translation>
    </message>
    <message>
        <source>Sig</source>
        <translation>シグネチャ</translation>
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
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Get Focus Score</source>
        <translation>フォーカス値を取得</translation>
    </message>
    <message>
        <source>Show &amp;Expo</source>
        <translation>露出を表示(&amp;E)</translation>
    </message>
    <message>
        <source>Show &amp;Times</source>
        <translation>時刻を表示(&amp;T)</translation>
    </message>
    <message>
        <source>Dump RTC Data</source>
        <translation>RTCデータを出力</translation>
    </message>
    <message>
        <source>Display Bad Frames</source>
        <translation>不良フレームを表示</translation>
    </message>
    <message>
        <source>Report Good Frames</source>
        <translation>正常フレームも記録</translation>
    </message>
    <message>
        <source>JPEG EOI Check</source>
        <translation>JPEG EOIチェック</translation>
    </message>
    <message>
        <source>Force &amp;B&amp;&amp;W</source>
        <translation>白黒表示(&amp;B)</translation>
    </message>
    <message>
        <source>Show QScale</source>
        <translation>Qスケールを表示</translation>
    </message>
    <message>
        <source>MVM Pause on Stop (don&apos;t reset movie)</source>
        <translation>MVM 停止で一時停止 (先頭に戻さない)</translation>
    </message>
    <message>
        <source>Enable MVM Single Step</source>
        <translation>MVMコマ送りを有効にする</translation>
    </message>
    <message>
        <source>Show Checksums</source>
        <translation>チェックサムを表示</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>診断</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>クリア(&amp;C)</translation>
    </message>
    <message>
        <source>Bad Frms:</source>
        <translation>不良数:</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>キャンセル(&amp;A)</translation>
    </message>
    <message>
        <source>Checksums</source>
        <translation>チェックサム</translation>
    </message>
    <message>
        <source>Breakpoint</source>
        <translation>ブレークポイント</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Retries &gt; n</source>
        <translation>リトライ &gt; n</translation>
    </message>
    <message>
        <source>chg luma &gt; n</source>
        <translation>輝度変化 &gt; n</translation>
    </message>
    <message>
        <source>tbd</source>
        <translation>未定</translation>
    </message>
    <message>
        <source>DeBlock Method</source>
        <translation>ブロックノイズ除去方式</translation>
    </message>
    <message>
        <source>0 - None</source>
        <translation>0 - なし</translation>
    </message>
    <message>
        <source>1 - Buffer-wide LPF</source>
        <translation>1 - バッファ全体のLPF</translation>
    </message>
    <message>
        <source>2 - MVC Filter</source>
        <translation>2 - MVCフィルター</translation>
    </message>
    <message>
        <source>MVM Restart</source>
        <translation>MVM 再始動</translation>
    </message>
</context>
<context>
    <name>vn::diag::TfrmMyMsg</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Could not create directory for Camera Settings.  Please make sure you have selected the USB flash drive and connected it to the PC</source>
        <translation>SDｶｰﾄﾞﾄﾞﾗｲﾌﾞ名が間違っていないか、カードがロックされていないかを確認して下さい</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>ファイルガ見つけません</translation>
    </message>
    <message>
        <source>Unknown Format</source>
        <translation>不明な形式</translation>
    </message>
    <message>
        <source>File Does Not Contain Any Frames</source>
        <translation>ファイルにフレームが含まれません</translation>
    </message>
    <message>
        <source>File Cannot Be Played</source>
        <translation>ファイルを再生できません</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確認</translation>
    </message>
</context>
</TS>
