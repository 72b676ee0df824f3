<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>vn::recording_windows::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Viewer for MVC Cameras</source>
        <translation>MVCカメラ用ビューア</translation>
    </message>
    <message>
        <source>Plays and inspects the recordings of time-lapse cameras.</source>
        <translation>タイムラプスカメラの録画を再生し、確認します。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vn::recording_windows::TfrmExtProgress</name>
    <message>
        <source>Extracting ...</source>
        <translation>エクスポート中 ...</translation>
    </message>
    <message>
        <source>Writing index</source>
        <translation>インデックスを書き込み中</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Exporting %1 frames</source>
        <translation>%1 フレームをエクスポート中</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>frame %1 cannot be read from the recording</source>
        <translation>フレーム %1 を録画から読み込めません</translation>
    </message>
    <message>
        <source>There is not enough memory to export %1.</source>
        <translation>%1 をエクスポートするためのメモリが足りません。</translation>
    </message>
    <message>
        <source>The recording&apos;s header cannot be copied; %1 was not written.</source>
        <translation>録画のヘッダーをコピーできないため、%1 は書き込まれませんでした。</translation>
    </message>
    <message>
        <source>%1 could not be created: %2</source>
        <translation>%1 を作成できませんでした: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2. Nothing of it was kept.</source>
        <translation>%1 を書き込めませんでした: %2。ファイルは残していません。</translation>
    </message>
    <message>
        <source>%1 of %2 pictures could not be written; the first is %3: %4</source>
        <translation>%2 枚中 %1 枚の画像を書き込めませんでした。最初は %3: %4</translation>
    </message>
</context>
<context>
    <name>vn::recording_windows::TfrmExtract</name>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>First</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>間隔</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Export As</source>
        <translation>出力形式</translation>
    </message>
    <message>
        <source>AVI movie</source>
        <translation>AVI動画</translation>
    </message>
    <message>
        <source>JPG sequence</source>
        <translation>JPG連番</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>JPEG Pictures</source>
        <translation>JPEG 画像</translation>
    </message>
    <message>
        <source>AVI Movie</source>
        <translation>AVI 動画</translation>
    </message>
</context>
</TS>
