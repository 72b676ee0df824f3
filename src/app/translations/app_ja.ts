<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>vn::app::TfrmVNMain</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Error opening %1</source>
        <translation>%1 を開けません</translation>
    </message>
    <message>
        <source>MVC AVI Player</source>
        <translation>MVC AVI Player</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>&amp;Save Current</source>
        <translation>静止画保存</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>&amp;Camera Settings</source>
        <translation>撮影設定</translation>
    </message>
    <message>
        <source>&amp;Embed Timestamp</source>
        <translation>タイムスタンプ埋め込み</translation>
    </message>
    <message>
        <source>Deblock</source>
        <translation>ブロックノイズ除去</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>1X zoom</source>
        <translation>1倍ズーム</translation>
    </message>
    <message>
        <source>2X zoom</source>
        <translation>2倍ズーム</translation>
    </message>
    <message>
        <source>Var zoom</source>
        <translation>可変ズーム</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>再生スピード</translation>
    </message>
    <message>
        <source>Seek</source>
        <translation>シークバー</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Motion Search</source>
        <translation>ﾓｰｼｮﾝ検索</translation>
    </message>
    <message>
        <source>PlayList</source>
        <translation>再生リスト</translation>
    </message>
    <message>
        <source>Movie Info</source>
        <translation>動画情報</translation>
    </message>
    <message>
        <source>Capture Interval</source>
        <translation>撮影間隔時間</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>経過時間</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>日付、時間</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>閾値</translation>
    </message>
    <message>
        <source>Search Inactive</source>
        <translation>検索ﾎﾞﾀﾝ</translation>
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
        <translation>前のフアイル</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>次のフアイル</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Camera Model:  </source>
        <translation>カメラ機種</translation>
    </message>
    <message>
        <source>Image Quality</source>
        <translation>画質</translation>
    </message>
    <message>
        <source>Band Filter</source>
        <translation>フリッカー低減</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>シーン</translation>
    </message>
    <message>
        <source>Custom Expo</source>
        <translation>カスタム露出</translation>
    </message>
    <message>
        <source>Timer Start</source>
        <translation>タイマー開始</translation>
    </message>
    <message>
        <source>Timer Stop</source>
        <translation>タイマー終了</translation>
    </message>
    <message>
        <source>Timer Days</source>
        <translation>タイマー曜日</translation>
    </message>
    <message>
        <source>LED Display</source>
        <translation>LED表示</translation>
    </message>
    <message>
        <source>Low Light Rec</source>
        <translation>低照度撮影</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>タイムスタンプ</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>ファームウェア</translation>
    </message>
    <message>
        <source>Capture Mode</source>
        <translation>撮影モード</translation>
    </message>
    <message>
        <source>FPGA</source>
        <translation>FPGA</translation>
    </message>
    <message>
        <source>WB Mode</source>
        <translation>ホワイトバランス</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>シャープネス</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>彩度</translation>
    </message>
    <message>
        <source>HDR Range</source>
        <translation>HDR範囲</translation>
    </message>
    <message>
        <source>PIR Active</source>
        <translation>PIR検知</translation>
    </message>
    <message>
        <source>PIR Seek</source>
        <translation>PIR検索</translation>
    </message>
    <message>
        <source>Mark Start of Exported Segment</source>
        <translation>エクスポート区間の開始に設定</translation>
    </message>
    <message>
        <source>Mark End of Exported Segment</source>
        <translation>エクスポート区間の終了に設定</translation>
    </message>
    <message>
        <source>Export Segment</source>
        <translation>区間をエクスポート</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>End frame cannot come before start frame</source>
        <translation>終了フレームを開始フレームより前にすることはできません</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 を保存できませんでした: %2</translation>
    </message>
</context>
</TS>
