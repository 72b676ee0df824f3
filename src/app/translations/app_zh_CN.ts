<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>vn::app::TfrmVNMain</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Error opening %1</source>
        <translation>打开 %1 时出错</translation>
    </message>
    <message>
        <source>MVC AVI Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>档案</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>开启旧档</translation>
    </message>
    <message>
        <source>&amp;Save Current</source>
        <translation>另存画面</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>&amp;Camera Settings</source>
        <translation>设定相机</translation>
    </message>
    <message>
        <source>&amp;Embed Timestamp</source>
        <translation>嵌入时间标示</translation>
    </message>
    <message>
        <source>Deblock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1X zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2X zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Var zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>播放速度</translation>
    </message>
    <message>
        <source>Seek</source>
        <translation>搜寻</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>影片信息</translation>
    </message>
    <message>
        <source>Motion Search</source>
        <translation>画面变化搜寻</translation>
    </message>
    <message>
        <source>PlayList</source>
        <translation>播放清单</translation>
    </message>
    <message>
        <source>Movie Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture Interval</source>
        <translation>拍摄间隔时间</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>拍摄积累时间</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>拍摄时间/日期</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>搜寻位阶设定</translation>
    </message>
    <message>
        <source>Search Inactive</source>
        <translation>前后搜寻键</translation>
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
        <translation>上一个档案</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>下一个档案</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Camera Model:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Expo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Light Rec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FPGA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WB Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HDR Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIR Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIR Seek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Start of Exported Segment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark End of Exported Segment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Segment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>End frame cannot come before start frame</source>
        <translation>结束帧不能在开始帧之前</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>无法保存 %1：%2</translation>
    </message>
</context>
</TS>
