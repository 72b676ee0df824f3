<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>vn::recording_windows::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Viewer for MVC Cameras</source>
        <translation>MVC 카메라용 뷰어</translation>
    </message>
    <message>
        <source>Plays and inspects the recordings of time-lapse cameras.</source>
        <translation>타임랩스 카메라의 녹화를 재생하고 살펴봅니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>vn::recording_windows::TfrmExtProgress</name>
    <message>
        <source>Extracting ...</source>
        <translation>내보내는 중 ...</translation>
    </message>
    <message>
        <source>Writing index</source>
        <translation>인덱스 쓰는 중</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Exporting %1 frames</source>
        <translation>프레임 %1개 내보내는 중</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>frame %1 cannot be read from the recording</source>
        <translation>녹화에서 프레임 %1을(를) 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>There is not enough memory to export %1.</source>
        <translation>%1을(를) 내보낼 메모리가 부족합니다.</translation>
    </message>
    <message>
        <source>The recording&apos;s header cannot be copied; %1 was not written.</source>
        <translation>녹화의 헤더를 복사할 수 없어 %1을(를) 쓰지 않았습니다.</translation>
    </message>
    <message>
        <source>%1 could not be created: %2</source>
        <translation>%1을(를) 만들 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2. Nothing of it was kept.</source>
        <translation>%1을(를) 쓸 수 없습니다: %2. 파일은 남기지 않았습니다.</translation>
    </message>
    <message>
        <source>%1 of %2 pictures could not be written; the first is %3: %4</source>
        <translation>사진 %2장 중 %1장을 쓸 수 없습니다. 첫 번째는 %3: %4</translation>
    </message>
</context>
<context>
    <name>vn::recording_windows::TfrmExtract</name>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>First</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>끝</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>간격</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>Export As</source>
        <translation>내보내기 형식</translation>
    </message>
    <message>
        <source>AVI movie</source>
        <translation>AVI 동영상</translation>
    </message>
    <message>
        <source>JPG sequence</source>
        <translation>JPG 연속 사진</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>JPEG Pictures</source>
        <translation>JPEG 사진</translation>
    </message>
    <message>
        <source>AVI Movie</source>
        <translation>AVI 동영상</translation>
    </message>
</context>
</TS>
