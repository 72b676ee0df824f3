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
        <translation>MVC AVI Player</translation>
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
        <translation>导出</translation>
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
        <translation>去块滤波</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>1X zoom</source>
        <translation>1 倍缩放</translation>
    </message>
    <message>
        <source>2X zoom</source>
        <translation>2 倍缩放</translation>
    </message>
    <message>
        <source>Var zoom</source>
        <translation>可变缩放</translation>
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
        <translation>录像信息</translation>
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
        <translation>相机型号</translation>
    </message>
    <message>
        <source>Image Quality</source>
        <translation>画质</translation>
    </message>
    <message>
        <source>Band Filter</source>
        <translation>抗闪烁</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>场景</translation>
    </message>
    <message>
        <source>Custom Expo</source>
        <translation>自定义曝光</translation>
    </message>
    <message>
        <source>Timer Start</source>
        <translation>定时开始</translation>
    </message>
    <message>
        <source>Timer Stop</source>
        <translation>定时结束</translation>
    </message>
    <message>
        <source>Timer Days</source>
        <translation>定时星期</translation>
    </message>
    <message>
        <source>LED Display</source>
        <translation>LED 指示灯</translation>
    </message>
    <message>
        <source>Low Light Rec</source>
        <translation>低光拍摄</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>时间标示</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>固件</translation>
    </message>
    <message>
        <source>Capture Mode</source>
        <translation>拍摄模式</translation>
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
        <translation>对比度</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>锐利度</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>HDR Range</source>
        <translation>HDR 范围</translation>
    </message>
    <message>
        <source>PIR Active</source>
        <translation>PIR 感应</translation>
    </message>
    <message>
        <source>PIR Seek</source>
        <translation>PIR 搜寻</translation>
    </message>
    <message>
        <source>Mark Start of Exported Segment</source>
        <translation>标记为导出片段的起点</translation>
    </message>
    <message>
        <source>Mark End of Exported Segment</source>
        <translation>标记为导出片段的终点</translation>
    </message>
    <message>
        <source>Export Segment</source>
        <translation>导出片段</translation>
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
        <translation>结束帧不能在开始帧之前</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>无法保存 %1：%2</translation>
    </message>
</context>
</TS>
