<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>vn::diag::TfrmDiags</name>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Error opening %1</source>
        <translation>%1 열기 오류</translation>
    </message>
    <message>
        <source>FW Rev</source>
        <translation>FW 버전</translation>
    </message>
    <message>
        <source>FPGA Rev</source>
        <translation>FPGA 버전</translation>
    </message>
    <message>
        <source>AWB Samples</source>
        <translation>AWB 샘플 수</translation>
    </message>
    <message>
        <source>Focus Score</source>
        <translation>초점 점수</translation>
    </message>
    <message>
        <source>R,G,B Avg</source>
        <translation>R,G,B 평균</translation>
    </message>
    <message>
        <source>R,G,B Gain</source>
        <translation>R,G,B 게인</translation>
    </message>
    <message>
        <source>Temp:</source>
        <translation>온도:</translation>
    </message>
    <message>
        <source>Min Batt</source>
        <translation>최저 배터리</translation>
    </message>
    <message>
        <source>Batt</source>
        <translation>배터리</translation>
    </message>
    <message>
        <source>Luma</source>
        <translation>휘도</translation>
    </message>
    <message>
        <source>Luma 1</source>
        <translation>휘도 1</translation>
    </message>
    <message>
        <source>Luma 2</source>
        <translation>휘도 2</translation>
    </message>
    <message>
        <source>Raw Expo</source>
        <translation>노출 (원시값)</translation>
    </message>
    <message>
        <source>Phys Exp</source>
        <translation>실제 노출</translation>
    </message>
    <message>
        <source>AE Gain</source>
        <translation>AE 게인</translation>
    </message>
    <message>
        <source>Retries</source>
        <translation>재시도</translation>
    </message>
    <message>
        <source>Exp Type (TTL Only)</source>
        <translation>노출 유형 (TTL 전용)</translation>
    </message>
    <message>
        <source>WB Mode</source>
        <translation>화이트 밸런스</translation>
    </message>
    <message>
        <source>Sig</source>
        <translation>서명</translation>
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
        <translation>카메라</translation>
    </message>
    <message>
        <source>Get Focus Score</source>
        <translation>초점 점수 구하기</translation>
    </message>
    <message>
        <source>Show &amp;Expo</source>
        <translation>노출 표시(&amp;E)</translation>
    </message>
    <message>
        <source>Show &amp;Times</source>
        <translation>시간 표시(&amp;T)</translation>
    </message>
    <message>
        <source>Dump RTC Data</source>
        <translation>RTC 데이터 덤프</translation>
    </message>
    <message>
        <source>Display Bad Frames</source>
        <translation>불량 프레임 표시</translation>
    </message>
    <message>
        <source>Report Good Frames</source>
        <translation>정상 프레임도 기록</translation>
    </message>
    <message>
        <source>JPEG EOI Check</source>
        <translation>JPEG EOI 검사</translation>
    </message>
    <message>
        <source>Force &amp;B&amp;&amp;W</source>
        <translation>흑백으로(&amp;B)</translation>
    </message>
    <message>
        <source>Show QScale</source>
        <translation>Q 스케일 표시</translation>
    </message>
    <message>
        <source>MVM Pause on Stop (don&apos;t reset movie)</source>
        <translation>MVM 정지 시 일시 정지 (처음으로 되돌리지 않음)</translation>
    </message>
    <message>
        <source>Enable MVM Single Step</source>
        <translation>MVM 한 프레임씩 재생</translation>
    </message>
    <message>
        <source>Show Checksums</source>
        <translation>체크섬 표시</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>진단</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>지우기(&amp;C)</translation>
    </message>
    <message>
        <source>Bad Frms:</source>
        <translation>불량:</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>취소(&amp;A)</translation>
    </message>
    <message>
        <source>Checksums</source>
        <translation>체크섬</translation>
    </message>
    <message>
        <source>Breakpoint</source>
        <translation>중단점</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Retries &gt; n</source>
        <translation>재시도 &gt; n</translation>
    </message>
    <message>
        <source>chg luma &gt; n</source>
        <translation>휘도 변화 &gt; n</translation>
    </message>
    <message>
        <source>tbd</source>
        <translation>미정</translation>
    </message>
    <message>
        <source>DeBlock Method</source>
        <translation>디블로킹 방식</translation>
    </message>
    <message>
        <source>0 - None</source>
        <translation>0 - 없음</translation>
    </message>
    <message>
        <source>1 - Buffer-wide LPF</source>
        <translation>1 - 버퍼 전체 LPF</translation>
    </message>
    <message>
        <source>2 - MVC Filter</source>
        <translation>2 - MVC 필터</translation>
    </message>
    <message>
        <source>MVM Restart</source>
        <translation>MVM 다시 시작</translation>
    </message>
</context>
<context>
    <name>vn::diag::TfrmMyMsg</name>
    <message>
        <source>Error</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>Could not create directory for Camera Settings.  Please make sure you have selected the USB flash drive and connected it to the PC</source>
        <translation>카메라디렉토리를생성할수없음 USB플래시드라이브와 PC에 연결되었는지 확인바랍니다</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>파일을 찾을수 없음</translation>
    </message>
    <message>
        <source>Unknown Format</source>
        <translation>알 수 없는 형식</translation>
    </message>
    <message>
        <source>File Does Not Contain Any Frames</source>
        <translation>이파일은 프레임을 포함하지 않음</translation>
    </message>
    <message>
        <source>File Cannot Be Played</source>
        <translation>파일을 재생할 수 없음</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
</TS>
