<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>vn::app::TfrmVNMain</name>
    <message>
        <source>Error</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>Error opening %1</source>
        <translation>%1 열기 오류</translation>
    </message>
    <message>
        <source>MVC AVI Player</source>
        <translation>MVC AVI Player</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>&amp;Save Current</source>
        <translation>다른이름으로저장</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>&amp;Camera Settings</source>
        <translation>카메라세팅</translation>
    </message>
    <message>
        <source>&amp;Embed Timestamp</source>
        <translation>타임스탬프 삽입</translation>
    </message>
    <message>
        <source>Deblock</source>
        <translation>디블로킹</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>1X zoom</source>
        <translation>1배 확대</translation>
    </message>
    <message>
        <source>2X zoom</source>
        <translation>2배 확대</translation>
    </message>
    <message>
        <source>Var zoom</source>
        <translation>가변 확대</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>속도</translation>
    </message>
    <message>
        <source>Seek</source>
        <translation>탐색</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>통계</translation>
    </message>
    <message>
        <source>Motion Search</source>
        <translation>이동탐색</translation>
    </message>
    <message>
        <source>PlayList</source>
        <translation>재생목록</translation>
    </message>
    <message>
        <source>Movie Info</source>
        <translation>동영상 정보</translation>
    </message>
    <message>
        <source>Capture Interval</source>
        <translation>캡쳐간격</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>소요시간</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>날짜/시간</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>이치화</translation>
    </message>
    <message>
        <source>Search Inactive</source>
        <translation>탐색스톱</translation>
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
        <translation>이전</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>정정</translation>
    </message>
    <message>
        <source>Camera Model:  </source>
        <translation>카메라 모델</translation>
    </message>
    <message>
        <source>Image Quality</source>
        <translation>화질</translation>
    </message>
    <message>
        <source>Band Filter</source>
        <translation>플리커 감소</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>장면</translation>
    </message>
    <message>
        <source>Custom Expo</source>
        <translation>사용자 노출</translation>
    </message>
    <message>
        <source>Timer Start</source>
        <translation>타이머 시작</translation>
    </message>
    <message>
        <source>Timer Stop</source>
        <translation>타이머 종료</translation>
    </message>
    <message>
        <source>Timer Days</source>
        <translation>타이머 요일</translation>
    </message>
    <message>
        <source>LED Display</source>
        <translation>LED 표시</translation>
    </message>
    <message>
        <source>Low Light Rec</source>
        <translation>저조도 촬영</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>타임스탬프</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>펌웨어</translation>
    </message>
    <message>
        <source>Capture Mode</source>
        <translation>촬영 모드</translation>
    </message>
    <message>
        <source>FPGA</source>
        <translation>FPGA</translation>
    </message>
    <message>
        <source>WB Mode</source>
        <translation>화이트 밸런스</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>대비</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>선명도</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>채도</translation>
    </message>
    <message>
        <source>HDR Range</source>
        <translation>HDR 범위</translation>
    </message>
    <message>
        <source>PIR Active</source>
        <translation>PIR 감지</translation>
    </message>
    <message>
        <source>PIR Seek</source>
        <translation>PIR 탐색</translation>
    </message>
    <message>
        <source>Mark Start of Exported Segment</source>
        <translation>내보낼 구간의 시작으로 표시</translation>
    </message>
    <message>
        <source>Mark End of Exported Segment</source>
        <translation>내보낼 구간의 끝으로 표시</translation>
    </message>
    <message>
        <source>Export Segment</source>
        <translation>구간 내보내기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>End frame cannot come before start frame</source>
        <translation>끝 프레임은 시작 프레임보다 앞에 올 수 없습니다</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1을(를) 저장할 수 없습니다: %2</translation>
    </message>
</context>
</TS>
