<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <location filename="../src/keyboardview/dallkeysshowpage.ui" line="+9"/>
        <source>DAllKeysShowPage</source>
        <translation>DAllKeysShowPage</translation>
    </message>
    <message>
        <location line="+29"/>
        <location filename="../src/keyboardview/dallkeysshowpage.cpp" line="+14"/>
        <source>Key Combination</source>
        <translation>키 조합</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/keyboardview/dallkeysshowpage.cpp" line="+1"/>
        <source>Normal Keys</source>
        <translation>일반 키</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/keyboardview/dallkeysshowpage.cpp" line="+1"/>
        <source>Special Keys</source>
        <translation>특수 키</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <location filename="../src/macro/dcatchkeyandmouseitem.ui" line="+9"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>99999 MS</source>
        <translation>99999 MS</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <location filename="../src/macro/dcatchkeyandmouseitem.cpp" line="+66"/>
        <source>Left Click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Center Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <location filename="../src/keyassign/dchangprofilepage.ui" line="+6"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+28"/>
        <location filename="../src/keyassign/dchangprofilepage.cpp" line="+25"/>
        <source>Assign Profile</source>
        <translation>프로필 지정</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <location filename="../src/keyassign/dchangekeypage.ui" line="+9"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Light Press</source>
        <translation>가볍게 누름</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Heavy Press</source>
        <translation>깊게 누름</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/keyassign/dchangekeypage.cpp" line="+23"/>
        <source>Remap Key</source>
        <translation>키 재지정</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../src/keyassign/dchangekeypage.cpp" line="+1"/>
        <source>Remap with key?</source>
        <translation>어떤 키로 재지정할까요?</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <location filename="../src/widgets/dcustomeventtipexplain.cpp" line="+28"/>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <location filename="../src/keyassign/dcustomkeyspage.ui" line="+80"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+277"/>
        <source>Type:</source>
        <translation>유형:</translation>
    </message>
    <message>
        <location line="+467"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+1"/>
        <source>Function:</source>
        <translation>기능:</translation>
    </message>
    <message>
        <location line="+303"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+1"/>
        <source>Key</source>
        <translation>키</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>NULL</source>
        <translation>NULL</translation>
    </message>
    <message>
        <location line="+27"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="-5"/>
        <source>Default layer</source>
        <translation>기본 레이어</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+1"/>
        <source>FN layer</source>
        <translation>FN 레이어</translation>
    </message>
    <message>
        <location line="+37"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+1"/>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="-212"/>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Macro</source>
        <translation>매크로</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remap Key</source>
        <translation>키 재지정</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Disable</source>
        <translation>비활성화</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Multimedia</source>
        <translation>멀티미디어</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key Combination</source>
        <translation>키 조합</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shortcuts</source>
        <translation>단축키</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch Profile</source>
        <translation>프로필 전환</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Launch Application</source>
        <translation>앱 실행</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keyboard Light</source>
        <translation>키보드 조명</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Atmosphere Light</source>
        <translation>무드 조명</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key Config</source>
        <translation>키 설정</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Senior Keys</source>
        <translation>고급 키</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>Operate successful</source>
        <translation>작업 성공</translation>
    </message>
    <message>
        <location line="+166"/>
        <location line="+182"/>
        <source>Please select one Key first</source>
        <translation>먼저 키를 하나 선택하세요</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Operate failed</source>
        <translation>작업 실패</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting failed because the text is empty</source>
        <translation>텍스트가 비어 있어 설정하지 못했습니다</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unknow</source>
        <translation>알 수 없음</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <location filename="../src/lighting/dcustomlightlistitem.ui" line="+7"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Custom Light Item</source>
        <translation>사용자 조명 항목</translation>
    </message>
</context>
<context>
    <name>DDataManager</name>
    <message>
        <location filename="../src/app/ddatamanager.cpp" line="+35"/>
        <source>Unknow</source>
        <translation>알 수 없음</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <location filename="../src/device/ddevicepage.ui" line="+14"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Device List</source>
        <translation>장치 목록</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>link</source>
        <translation>연결</translation>
    </message>
    <message>
        <location line="+268"/>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <location line="+303"/>
        <source>Test</source>
        <translation>테스트</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Change</source>
        <translation>전환</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Keyboard</source>
        <translation>키보드</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>1.0</source>
        <translation>1.0</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>60</source>
        <translation>60</translation>
    </message>
    <message>
        <location line="+472"/>
        <source>Device not connected</source>
        <translation>장치가 연결되지 않았습니다</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="+102"/>
        <location line="+173"/>
        <source>The number of profile has reached the maximum</source>
        <translation>프로필 수가 최대치에 도달했습니다</translation>
    </message>
    <message>
        <location line="-166"/>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>생성 실패: 해당 인덱스 노드가 이미 존재합니다. 확인하세요</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Create profile failed</source>
        <translation>프로필 생성 실패</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Create profile successful</source>
        <translation>프로필 생성 성공</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Need keep at least one profile</source>
        <translation>프로필을 하나 이상 유지해야 합니다</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Delete profile failed</source>
        <translation>프로필 삭제 실패</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Delete profile successful</source>
        <translation>프로필 삭제 성공</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Profile name can&apos;t empty</source>
        <translation>프로필 이름은 비워 둘 수 없습니다</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Modify profile info failed</source>
        <translation>프로필 정보 수정 실패</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modify profile info successful</source>
        <translation>프로필 정보 수정 성공</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Save directory</source>
        <translation>저장 폴더</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select save directory first</source>
        <translation>먼저 저장 폴더를 선택하세요</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This index node non-existent</source>
        <translation>해당 인덱스 노드가 존재하지 않습니다</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Export profile successful</source>
        <translation>프로필 내보내기 성공</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export profile failed</source>
        <translation>프로필 내보내기 실패</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open profile file</source>
        <translation>프로필 파일 열기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile files(*.xml)</source>
        <translation>프로필 파일(*.xml)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select import file first</source>
        <translation>먼저 가져올 파일을 선택하세요</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Import profile successful</source>
        <translation>프로필 가져오기 성공</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Import profile failed</source>
        <translation>프로필 가져오기 실패</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Tip</source>
        <translation>알림</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Whether to reset the current profile?</source>
        <translation>현재 프로필을 초기화할까요?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+6"/>
        <source>Operate failed</source>
        <translation>작업 실패</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Operate successful</source>
        <translation>작업 성공</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_lighting.cpp" line="+94"/>
        <source>The custom light could not be saved</source>
        <translation>사용자 조명을 저장할 수 없습니다</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profiles.cpp" line="+97"/>
        <source>The profile folder %1 cannot be created; profiles cannot be saved</source>
        <translation>프로필 폴더 %1을(를) 만들 수 없어 프로필을 저장할 수 없습니다</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The profile file was damaged and has been reset; the damaged copy was kept as %1</source>
        <translation>프로필 파일이 손상되어 초기화했습니다. 손상된 사본은 %1(으)로 보관되었습니다</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Profiles</source>
        <translation>프로필</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <location filename="../src/firmware/dfirwareinfoshow.ui" line="+14"/>
        <source>DFirwareInfoShow</source>
        <translation>DFirwareInfoShow</translation>
    </message>
    <message>
        <location line="+54"/>
        <location filename="../src/firmware/dfirwareinfoshow.cpp" line="+29"/>
        <source>Firmware Info</source>
        <translation>펌웨어 정보</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <location filename="../src/keyassign/dhotkeypage.ui" line="+6"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+29"/>
        <source>Shortcuts</source>
        <translation>단축키</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-18"/>
        <source>Show desktop</source>
        <translation>바탕 화면 보기</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-1"/>
        <source>Close window</source>
        <translation>창 닫기</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+3"/>
        <source>Lock computer</source>
        <translation>컴퓨터 잠금</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-1"/>
        <source>My computer</source>
        <translation>내 컴퓨터</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+2"/>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+2"/>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+1"/>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-2"/>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+5"/>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-1"/>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-1"/>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <location filename="../src/trigger/dkeycalibrationexplaindia.cpp" line="+112"/>
        <source>1.Into key calibration mode first;</source>
        <translation>1. 먼저 키 캘리브레이션 모드로 들어갑니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.Select one key;</source>
        <translation>2. 키를 하나 선택합니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. &quot;캘리브레이션 시작&quot;을 클릭합니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4.Press the selected key;</source>
        <translation>4. 선택한 키를 누릅니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5.Return key calibration results;</source>
        <translation>5. 키 캘리브레이션 결과가 표시됩니다.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Set the required press key duration for triggering.</source>
        <translation>입력에 필요한 키 누름 시간을 설정합니다.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>전체 키 캘리브레이션이 켜져 있으면 모든 키를 눌러 캘리브레이션을 완료하세요.</translation>
    </message>
</context>
<context>
    <name>DKeyCapturePage</name>
    <message>
        <location filename="../src/keyassign/dkeycapturepage.cpp" line="+66"/>
        <source>Light Press</source>
        <translation>가볍게 누름</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heavy Press</source>
        <translation>깊게 누름</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <location filename="../src/keyassign/dkeycombinationpage.ui" line="+9"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Light Press</source>
        <translation>가볍게 누름</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Heavy Press</source>
        <translation>깊게 누름</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/keyassign/dkeycombinationpage.cpp" line="+25"/>
        <source>Key Combination</source>
        <translation>키 조합</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../src/keyassign/dkeycombinationpage.cpp" line="+1"/>
        <source>Enter key?</source>
        <translation>키를 입력할까요?</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.ui" line="+6"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+20"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+36"/>
        <source>Key Config</source>
        <translation>키 설정</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Switch loop</source>
        <translation>순환 전환</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="-22"/>
        <source>Lock win</source>
        <translation>Win 잠금</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Unlock win</source>
        <translation>Win 잠금 해제</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Lock keyboard</source>
        <translation>키보드 잠금</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Power query</source>
        <translation>배터리 잔량 확인</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Default layer</source>
        <translation>기본 레이어</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>FN layer</source>
        <translation>FN 레이어</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>FN1 layer</source>
        <translation>FN1 레이어</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+2"/>
        <source>USB switching</source>
        <translation>USB 전환</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>2.4G switching</source>
        <translation>2.4G 전환</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Bluetooth 1</source>
        <translation>블루투스 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Bluetooth 2</source>
        <translation>블루투스 2</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Bluetooth 3</source>
        <translation>블루투스 3</translation>
    </message>
    <message>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="-13"/>
        <source>Lock/Unlock Win</source>
        <translation>Win 잠금/해제</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <location filename="../src/keyassign/dkeydisablepage.ui" line="+6"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/keyassign/dkeydisablepage.cpp" line="+22"/>
        <source>Disable</source>
        <translation>비활성화</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>NULL</source>
        <translation>NULL</translation>
    </message>
    <message>
        <location line="+29"/>
        <location filename="../src/keyassign/dkeydisablepage.cpp" line="+1"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dkeydisablepage.cpp" line="+1"/>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <location filename="../src/keyassign/dkeywithapppage.ui" line="+6"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../src/keyassign/dkeywithapppage.cpp" line="+34"/>
        <location line="+31"/>
        <source>Select App</source>
        <translation>앱 선택</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dkeywithapppage.cpp" line="-30"/>
        <source>Please select the path where your app is located</source>
        <translation>앱이 있는 경로를 선택하세요</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../src/keyassign/dkeywithapppage.cpp" line="+1"/>
        <source>Select application</source>
        <translation>응용 프로그램 선택</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <location filename="../src/keyassign/dkeywithtextpage.ui" line="+6"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../src/keyassign/dkeywithtextpage.cpp" line="+26"/>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/keyassign/dkeywithtextpage.cpp" line="+1"/>
        <source>Enter text ...</source>
        <translation>텍스트 입력…</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../src/keyassign/dkeywithtextpage.cpp" line="+1"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dkeywithtextpage.cpp" line="+1"/>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.ui" line="+6"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+47"/>
        <source>Keyboard Light</source>
        <translation>키보드 조명</translation>
    </message>
    <message>
        <location line="+30"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="-29"/>
        <source>Overall light</source>
        <translation>전체 조명</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Interaction light</source>
        <translation>반응형 조명</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>All light</source>
        <translation>모든 조명</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Static</source>
        <translation>고정</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Brightness +</source>
        <translation>밝기 +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Brightness -</source>
        <translation>밝기 -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Speed +</source>
        <translation>속도 +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Speed -</source>
        <translation>속도 -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Direction +1</source>
        <translation>방향 +1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Direction -1</source>
        <translation>방향 -1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Direction Loop</source>
        <translation>방향 순환</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Into full color</source>
        <translation>풀 컬러로 전환</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Top color changed</source>
        <translation>상단 색상 전환</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Bottom color changed</source>
        <translation>하단 색상 전환</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Close all</source>
        <translation>모두 끄기</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Close back light</source>
        <translation>백라이트 끄기</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Stop back light</source>
        <translation>백라이트 정지</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Light recording</source>
        <translation>조명 녹화</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Custom 1</source>
        <translation>사용자 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Custom 2</source>
        <translation>사용자 2</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <location filename="../src/lighting/dlightsconfigpage.ui" line="+6"/>
        <source>DLightsConfigPage</source>
        <translation>DLightsConfigPage</translation>
    </message>
    <message>
        <location line="+50"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+173"/>
        <source>Type:</source>
        <translation>유형:</translation>
    </message>
    <message>
        <location line="+411"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Brightness:</source>
        <translation>밝기:</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Speed:</source>
        <translation>속도:</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Direction:</source>
        <translation>방향:</translation>
    </message>
    <message>
        <location line="+138"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Light mode</source>
        <translation>조명 모드</translation>
    </message>
    <message>
        <location line="+72"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Full color</source>
        <translation>풀 컬러</translation>
    </message>
    <message>
        <location line="+49"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Top color</source>
        <translation>상단 색상</translation>
    </message>
    <message>
        <location line="+45"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Bottom color</source>
        <translation>하단 색상</translation>
    </message>
    <message>
        <location line="+207"/>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+26"/>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>255</source>
        <translation>255</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <location line="+54"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Custom light</source>
        <translation>사용자 조명</translation>
    </message>
    <message>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="-8"/>
        <location line="+155"/>
        <location line="+9"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+18"/>
        <location line="+21"/>
        <source>Static</source>
        <translation>고정</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-18"/>
        <location line="+22"/>
        <source>Neon</source>
        <translation>네온</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+9"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-24"/>
        <location line="+21"/>
        <source>Breath</source>
        <translation>호흡</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-20"/>
        <location line="+21"/>
        <source>Wave</source>
        <translation>웨이브</translation>
    </message>
    <message>
        <location line="-8"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-14"/>
        <source>Twinkle</source>
        <translation>반짝임</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-4"/>
        <source>Snake</source>
        <translation>스네이크</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-1"/>
        <source>Radar</source>
        <translation>레이더</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+10"/>
        <source>Auto Ripple</source>
        <translation>자동 물결</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+1"/>
        <source>Striation</source>
        <translation>줄무늬</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-8"/>
        <source>Aurora</source>
        <translation>오로라</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+1"/>
        <source>Ripple</source>
        <translation>물결</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-2"/>
        <source>Reactive</source>
        <translation>반응형</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+5"/>
        <source>Cross</source>
        <translation>크로스</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+152"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+2"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location line="-151"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+3"/>
        <source>Fireworks</source>
        <translation>불꽃놀이</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-4"/>
        <source>Speed Respond</source>
        <translation>속도 반응</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+5"/>
        <source>Musical Rhythm</source>
        <translation>음악 리듬</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-7"/>
        <source>Custom</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+14"/>
        <source>Collision</source>
        <translation>충돌</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+2"/>
        <source>Close</source>
        <translation>끄기</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Keyboard/Ambient</source>
        <translation>키보드/무드</translation>
    </message>
    <message>
        <location filename="../src/lighting/dlightsconfigpage_custom.cpp" line="+135"/>
        <source>Two custom lights must be in use to swap one</source>
        <translation>교체하려면 사용 중인 사용자 조명이 두 개 있어야 합니다</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The custom light could not be saved</source>
        <translation>사용자 조명을 저장할 수 없습니다</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Custom light name can&apos;t be empty</source>
        <translation>사용자 조명 이름은 비워 둘 수 없습니다</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modify custom light name successful</source>
        <translation>사용자 조명 이름 변경 성공</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modify custom light name failed</source>
        <translation>사용자 조명 이름 변경 실패</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <location filename="../src/app/dloginwidget.ui" line="+14"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Login</source>
        <translation>로그인</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <location filename="../src/keyassign/dmacrocmdpage.ui" line="+6"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+35"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+36"/>
        <source>Play Type</source>
        <translation>재생 방식</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+1"/>
        <source>Play once</source>
        <translation>한 번 재생</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+2"/>
        <source>Continous playback on/off</source>
        <translation>연속 재생 켜기/끄기</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="-1"/>
        <source>Play multiple times</source>
        <translation>여러 번 재생</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+2"/>
        <source>Play while assigned key is pressed</source>
        <translation>키를 누르는 동안 재생</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+1"/>
        <source>Play Number</source>
        <translation>재생 횟수</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+1"/>
        <source>Play Number 1,2,3...</source>
        <translation>재생 횟수 1,2,3…</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+1"/>
        <source>Assign Macro</source>
        <translation>매크로 지정</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <location filename="../src/macro/dmacrolistitem.ui" line="+9"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Macro01</source>
        <translation>Macro01</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Binding</source>
        <translation>할당</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <location filename="../src/macro/dmacropage.ui" line="+9"/>
        <source>DMacroPage</source>
        <translation>DMacroPage</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Macro Record</source>
        <translation>매크로 녹화</translation>
    </message>
    <message>
        <location line="+149"/>
        <source>Macro Group</source>
        <translation>매크로 목록</translation>
    </message>
    <message>
        <location line="+247"/>
        <source>Delay Setting</source>
        <translation>지연 설정</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Recording delay</source>
        <translation>지연 시간 녹화</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No delay</source>
        <translation>지연 없음</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Default delay</source>
        <translation>기본 지연</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+1105"/>
        <location line="+262"/>
        <source>MS</source>
        <translation>MS</translation>
    </message>
    <message>
        <location line="-1239"/>
        <source>Record</source>
        <translation>녹화</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Event List</source>
        <translation>이벤트 목록</translation>
    </message>
    <message>
        <location line="+263"/>
        <source>Record is empty</source>
        <translation>녹화된 내용이 없습니다</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Insert Event</source>
        <translation>이벤트 삽입</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Position</source>
        <translation>위치</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Insert event after</source>
        <translation>뒤에 삽입</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Insert event before</source>
        <translation>앞에 삽입</translation>
    </message>
    <message>
        <location line="+47"/>
        <location line="+566"/>
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <location line="-532"/>
        <location line="+566"/>
        <source>Keyboard Event</source>
        <translation>키보드 이벤트</translation>
    </message>
    <message>
        <location line="-556"/>
        <location line="+566"/>
        <source>Mouse Event</source>
        <translation>마우스 이벤트</translation>
    </message>
    <message>
        <location line="-559"/>
        <location line="+424"/>
        <source>Delay</source>
        <translation>지연</translation>
    </message>
    <message>
        <location line="-364"/>
        <source>Operate</source>
        <translation>작업</translation>
    </message>
    <message>
        <location line="+38"/>
        <location line="+540"/>
        <location filename="../src/macro/dmacropage_events.cpp" line="+138"/>
        <location line="+59"/>
        <location line="+19"/>
        <source>Please enter a key</source>
        <translation>키를 입력하세요</translation>
    </message>
    <message>
        <location line="-514"/>
        <location line="+601"/>
        <source>Left Click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <location line="-578"/>
        <location line="+598"/>
        <source>Center Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <location line="-578"/>
        <location line="+598"/>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
    <message>
        <location line="-566"/>
        <source>Please enter delay number</source>
        <translation>지연 값을 입력하세요</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Insert</source>
        <translation>삽입</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Property</source>
        <translation>속성</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <location line="+167"/>
        <source>Press Key</source>
        <translation>키 누름</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <location line="+131"/>
        <source>Modify</source>
        <translation>수정</translation>
    </message>
    <message>
        <location filename="../src/macro/dmacropage.cpp" line="+24"/>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Up</source>
        <translation>위로</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation>아래로</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/macro/dmacropage_recording.cpp" line="+68"/>
        <source>Start record</source>
        <translation>녹화 시작</translation>
    </message>
    <message>
        <location line="+248"/>
        <source>Macro name can&apos;t be empty</source>
        <translation>매크로 이름은 비워 둘 수 없습니다</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modify macro name successful</source>
        <translation>매크로 이름 변경 성공</translation>
    </message>
    <message>
        <location filename="../src/macro/dmacropage_events.cpp" line="-83"/>
        <location line="+55"/>
        <location line="+137"/>
        <source>Please select a specific location first</source>
        <translation>먼저 위치를 선택하세요</translation>
    </message>
    <message>
        <location line="-182"/>
        <location filename="../src/macro/dmacropage_recording.cpp" line="+82"/>
        <location line="+11"/>
        <location line="+37"/>
        <location line="+58"/>
        <source>The record of events has reached the limit</source>
        <translation>녹화된 이벤트 수가 한도에 도달했습니다</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Insert failed</source>
        <translation>삽입 실패</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Insert successful</source>
        <translation>삽입 성공</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Modify failed</source>
        <translation>수정 실패</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Modify successful</source>
        <translation>수정 성공</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Delete failed</source>
        <translation>삭제 실패</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Please select a macro first</source>
        <translation>먼저 매크로를 선택하세요</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clear record macro failed</source>
        <translation>매크로 녹화 지우기 실패</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear record macro successful</source>
        <translation>매크로 녹화 지우기 성공</translation>
    </message>
    <message>
        <location filename="../src/macro/dmacropage_list.cpp" line="+37"/>
        <location line="+8"/>
        <source>Add macro failed</source>
        <translation>매크로 추가 실패</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add macro successful</source>
        <translation>매크로 추가 성공</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Delete macro</source>
        <translation>매크로 삭제</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keys of the current profile still play the macro &quot;%1&quot;. Delete it anyway? Those keys keep playing the macro as it is now.</source>
        <translation>현재 프로필의 키가 아직 매크로 &quot;%1&quot;을(를) 재생합니다. 그래도 삭제할까요? 해당 키는 현재 상태의 매크로를 계속 재생합니다.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Delete macro failed</source>
        <translation>매크로 삭제 실패</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Delete macro successful</source>
        <translation>매크로 삭제 성공</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Save directory</source>
        <translation>저장 폴더</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select save directory first</source>
        <translation>먼저 저장 폴더를 선택하세요</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+8"/>
        <location line="+8"/>
        <source>Export macro failed</source>
        <translation>매크로 내보내기 실패</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export macro successful</source>
        <translation>매크로 내보내기 성공</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open macro file</source>
        <translation>매크로 파일 열기</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Macro files(*.xml)</source>
        <translation>매크로 파일(*.xml)</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+8"/>
        <location line="+7"/>
        <location line="+13"/>
        <source>Import macro failed</source>
        <translation>매크로 가져오기 실패</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Import macro successful</source>
        <translation>매크로 가져오기 성공</translation>
    </message>
    <message>
        <location filename="../src/macro/dmacropage_recording.cpp" line="-188"/>
        <source>Stop record</source>
        <translation>녹화 중지</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Start record macro</source>
        <translation>매크로 녹화 시작</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Stop record macro</source>
        <translation>매크로 녹화 중지</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saving the recorded events failed</source>
        <translation>녹화된 이벤트를 저장하지 못했습니다</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <location filename="../src/mainwindow/dmainwidget.ui" line="+17"/>
        <source>DMainWidget</source>
        <translation>DMainWidget</translation>
    </message>
    <message>
        <location line="+348"/>
        <source>HID</source>
        <translation>HID</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>V1.0.0.0.1</source>
        <translation>V1.0.0.0.1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dmainwidget.cpp" line="+162"/>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The settings file was damaged and has been reset; the damaged copy was kept as %1</source>
        <translation>설정 파일이 손상되어 초기화했습니다. 손상된 사본은 %1(으)로 보관되었습니다</translation>
    </message>
    <message>
        <location line="+314"/>
        <source>Update Firmware</source>
        <translation>펌웨어 업데이트</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Minimize(&amp;N)</source>
        <translation>최소화(&amp;N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maximize(&amp;X)</source>
        <translation>최대화(&amp;X)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revert(&amp;R)</source>
        <translation>복원(&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit(&amp;Q)</source>
        <translation>종료(&amp;Q)</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>Keyboard service failed to start</source>
        <translation>키보드 서비스를 시작하지 못했습니다</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <location filename="../src/keyassign/dmousekeypage.ui" line="+6"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+27"/>
        <source>Mouse Key</source>
        <translation>마우스 버튼</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="-18"/>
        <source>Mouse Left</source>
        <translation>마우스 왼쪽</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+1"/>
        <source>Mouse Center</source>
        <translation>마우스 가운데</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+1"/>
        <source>Mouse Right</source>
        <translation>마우스 오른쪽</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+4"/>
        <source>Backward</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="-1"/>
        <source>Forward</source>
        <translation>앞으로</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+3"/>
        <source>Sniper Key</source>
        <translation>스나이퍼 키</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="-4"/>
        <source>Scroll Down</source>
        <translation>아래로 스크롤</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="-1"/>
        <source>Scroll Up</source>
        <translation>위로 스크롤</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <location filename="../src/keyassign/dmultimediapage.ui" line="+6"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+34"/>
        <source>Multimedia</source>
        <translation>멀티미디어</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-21"/>
        <source>Play/Pause</source>
        <translation>재생/일시정지</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+3"/>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-2"/>
        <source>Next track</source>
        <translation>다음 곡</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Prev track</source>
        <translation>이전 곡</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-5"/>
        <source>Volume +</source>
        <translation>볼륨 +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Volume -</source>
        <translation>볼륨 -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+5"/>
        <source>Player</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Calculator</source>
        <translation>계산기</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Computer</source>
        <translation>내 컴퓨터</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+2"/>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-1"/>
        <source>Browser</source>
        <translation>브라우저</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+4"/>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-2"/>
        <source>Screen brightness+</source>
        <translation>화면 밝기+</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Screen brightness-</source>
        <translation>화면 밝기-</translation>
    </message>
</context>
<context>
    <name>DOnboardDownload</name>
    <message>
        <location filename="../src/device/link/donboarddownload.cpp" line="+33"/>
        <source>Download config successful</source>
        <translation>설정 다운로드 성공</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Download config failed, Please try again</source>
        <translation>설정 다운로드에 실패했습니다. 다시 시도하세요</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot read %1: nothing was written to the keyboard</source>
        <translation>%1을(를) 읽을 수 없습니다: 키보드에 아무것도 기록되지 않았습니다</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please wait until the download has finished</source>
        <translation>다운로드가 끝날 때까지 기다려 주세요</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Too many macro keys (at most %1)</source>
        <translation>매크로 키가 너무 많습니다(최대 %1개)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A macro has more than %1 events</source>
        <translation>이벤트가 %1개를 넘는 매크로가 있습니다</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Too many advanced keys (at most %1)</source>
        <translation>고급 키가 너무 많습니다(최대 %1개)</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <location filename="../src/trigger/dperformancepage.cpp" line="+62"/>
        <source>If Win Lock is on:</source>
        <translation>Win 잠금이 켜져 있을 때:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable Windows key</source>
        <translation>Windows 키 비활성화</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB 비활성화</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB 비활성화</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 비활성화</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light into sleep:</source>
        <translation>조명 절전:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Second</source>
        <translation>초</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard into sleep:</source>
        <translation>키보드 절전:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minute</source>
        <translation>분</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prohibit Sleep</source>
        <translation>절전 안 함</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Submit</source>
        <translation>적용</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard properties</source>
        <translation>키보드 속성</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset current profile</source>
        <translation>현재 프로필 초기화</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <location filename="../src/device/dprofilemenutoolwidget.cpp" line="+23"/>
        <source>Create</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Modify Name</source>
        <translation>이름 변경</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <location filename="../src/keyassign/dresetdefaultpage.ui" line="+6"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/keyassign/dresetdefaultpage.cpp" line="+37"/>
        <source>Light Press</source>
        <translation>가볍게 누름</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/keyassign/dresetdefaultpage.cpp" line="+1"/>
        <source>Heavy Press</source>
        <translation>깊게 누름</translation>
    </message>
    <message>
        <location line="+23"/>
        <location filename="../src/keyassign/dresetdefaultpage.cpp" line="-4"/>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>NULL</source>
        <translation>NULL</translation>
    </message>
    <message>
        <location line="+29"/>
        <location filename="../src/keyassign/dresetdefaultpage.cpp" line="+1"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dresetdefaultpage.cpp" line="+1"/>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DSeniorKeyEventListItem</name>
    <message>
        <location filename="../src/advancedkeys/dseniorkeyeventlistitem.ui" line="+6"/>
        <source>DSeniorKeyEventListItem</source>
        <translation>DSeniorKeyEventListItem</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>DKS</source>
        <translation>DKS</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>D</source>
        <translation>D</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysBindingPage</name>
    <message>
        <location filename="../src/keyassign/dseniorkeysbindingpage.ui" line="+6"/>
        <source>DSeniorKeysBindingPage</source>
        <translation>DSeniorKeysBindingPage</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../src/keyassign/dseniorkeysbindingpage.cpp" line="+28"/>
        <source>Senior Keys</source>
        <translation>고급 키</translation>
    </message>
    <message>
        <location filename="../src/keyassign/dseniorkeysbindingpage.cpp" line="+4"/>
        <location line="+44"/>
        <source>(missing)</source>
        <translation>(없음)</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <location filename="../src/advancedkeys/dseniorkeyspage.ui" line="+14"/>
        <source>DSeniorKeysPage</source>
        <translation>DSeniorKeysPage</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>#frame_Bg{border:1px solid rgb(255, 143, 31);background-color:rgb(34,34,58);border-radius:12px;}</source>
        <translation>#frame_Bg{border:1px solid rgb(255, 143, 31);background-color:rgb(34,34,58);border-radius:12px;}</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>#frame_Title{background-color:rgb(34, 34, 58);border:none;border-bottom:3px solid rgb(52, 52, 86);border-top-left-radius:12px;border-top-right-radius:12px;}QLabel#label_Title{color:rgb(255, 143, 31);font-weight:75;font-family:&quot;微软雅黑&quot;;font-size:13pt;}</source>
        <translation>#frame_Title{background-color:rgb(34, 34, 58);border:none;border-bottom:3px solid rgb(52, 52, 86);border-top-left-radius:12px;border-top-right-radius:12px;}QLabel#label_Title{color:rgb(255, 143, 31);font-weight:75;font-family:&quot;微软雅黑&quot;;font-size:13pt;}</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>border-image: url(:/images/quelmoLogo.png);</source>
        <translation>border-image: url(:/images/quelmoLogo.png);</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+61"/>
        <location line="+402"/>
        <source>Senior Keys</source>
        <translation>고급 키</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>QPushButton{border-image:url(:/images/mainpage/closeWindowDef.png);}QPushButton:hover,QPushButton:pressed{border-image:url(:/images/mainpage/closeWindowSel.png);}</source>
        <translation>QPushButton{border-image:url(:/images/mainpage/closeWindowDef.png);}QPushButton:hover,QPushButton:pressed{border-image:url(:/images/mainpage/closeWindowSel.png);}</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>#frame_MainConfig{border-bottom-left-radius:12px;border-bottom-right-radius:12px;}</source>
        <translation>#frame_MainConfig{border-bottom-left-radius:12px;border-bottom-right-radius:12px;}</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>#widget_SeniorKeySetting{background-color:rgb(34, 34, 58);border:0px;}QLabel{color:rgb(175, 175, 175);font-weight:75;font-family:&quot;微软雅黑&quot;;font-size:10pt;}QPushButton{color:rgb(205, 205, 205);font-weight:75;font-family:&quot;微软雅黑&quot;;font-size:11pt;border:2px solid rgb(52, 52, 86);border-radius:8px;}QPushButton:hover{border:2px solid rgb(255, 143, 31);}QRadioButton{color:rgb(175, 175, 175);font-weight:75;font-family:&quot;微软雅黑&quot;;font-size:10pt;min-height:18px;}QRadioButton:checked{color:rgb(255, 143, 31);}QRadioButton::indicator:checked{background-color:rgb(255, 143, 31);border-radius:6px;border:2px solid rgb(240, 240, 255);}</source>
        <translation>#widget_SeniorKeySetting{background-color:rgb(34, 34, 58);border:0px;}QLabel{color:rgb(175, 175, 175);font-weight:75;font-family:&quot;微软雅黑&quot;;font-size:10pt;}QPushButton{color:rgb(205, 205, 205);font-weight:75;font-family:&quot;微软雅黑&quot;;font-size:11pt;border:2px solid rgb(52, 52, 86);border-radius:8px;}QPushButton:hover{border:2px solid rgb(255, 143, 31);}QRadioButton{color:rgb(175, 175, 175);font-weight:75;font-family:&quot;微软雅黑&quot;;font-size:10pt;min-height:18px;}QRadioButton:checked{color:rgb(255, 143, 31);}QRadioButton::indicator:checked{background-color:rgb(255, 143, 31);border-radius:6px;border:2px solid rgb(240, 240, 255);}</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>#frame_Left{border:none;border-right:2px solid rgb(52, 52, 86);}</source>
        <translation>#frame_Left{border:none;border-right:2px solid rgb(52, 52, 86);}</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>#frame_TypeSel{border:none;border-bottom:2px solid rgb(52, 52, 86);}</source>
        <translation>#frame_TypeSel{border:none;border-bottom:2px solid rgb(52, 52, 86);}</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>DKS</source>
        <translation>DKS</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>MT</source>
        <translation>MT</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>TGL</source>
        <translation>TGL</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+1625"/>
        <source>border-image:url(:/images/publicIco/question.png);</source>
        <translation>border-image:url(:/images/publicIco/question.png);</translation>
    </message>
    <message>
        <location line="-1622"/>
        <location line="+1625"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="-1599"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="-401"/>
        <source>Create</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>QLabel{color:rgb(221, 221, 221);font-weight:75;font-family:&quot;微软雅黑&quot;;font-size:8pt;}</source>
        <translation>QLabel{color:rgb(221, 221, 221);font-weight:75;font-family:&quot;微软雅黑&quot;;font-size:8pt;}</translation>
    </message>
    <message>
        <location line="+63"/>
        <location line="+570"/>
        <location line="+409"/>
        <source>QToolButton{color:rgb(185, 185, 185);font-weight:75;font-family:&quot;微软雅黑&quot;;font-size:8pt;border:1px solid rgb(185, 185, 185);border-radius:6px;}QToolButton:hover,QToolButton:checked{border:1px solid rgb(255, 143, 31);}QToolButton:!checked{border:1px solid rgb(185, 185, 185);}</source>
        <translation>QToolButton{color:rgb(185, 185, 185);font-weight:75;font-family:&quot;微软雅黑&quot;;font-size:8pt;border:1px solid rgb(185, 185, 185);border-radius:6px;}QToolButton:hover,QToolButton:checked{border:1px solid rgb(255, 143, 31);}QToolButton:!checked{border:1px solid rgb(185, 185, 185);}</translation>
    </message>
    <message>
        <location line="-949"/>
        <location line="+690"/>
        <location line="+340"/>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <location line="-992"/>
        <location line="+721"/>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <location line="-683"/>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>1.0mm</source>
        <translation>1.0mm</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>2.0mm</source>
        <translation>2.0mm</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>3.0mm</source>
        <translation>3.0mm</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>QToolButton{border:1px solid rgb(185, 185, 185);border-radius:6px;}</source>
        <translation>QToolButton{border:1px solid rgb(185, 185, 185);border-radius:6px;}</translation>
    </message>
    <message>
        <location line="+179"/>
        <source>#widget_DksDrawPage{border:0px;}</source>
        <translation>#widget_DksDrawPage{border:0px;}</translation>
    </message>
    <message>
        <location line="+107"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+7"/>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>이 키에는 두 가지 기능이 있습니다. 길게 누르면 한 가지, 탭하면 다른 한 가지가 실행됩니다.</translation>
    </message>
    <message>
        <location line="+65"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="-4"/>
        <source>Hold</source>
        <translation>길게 누름</translation>
    </message>
    <message>
        <location line="+69"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+1"/>
        <source>Click</source>
        <translation>탭</translation>
    </message>
    <message>
        <location line="+88"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+1"/>
        <source>Hold Duration</source>
        <translation>길게 누름 시간</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>QSlider::groove:horizontal{height:6px;border:none;border-radius:3px;background:rgba(255,196,123,1);}QSlider::handle:horizontal{width:16px;height:16px;margin-top:-5px;margin-bottom:-5px;border-image:url(:/images/DKS/slider.png);}QSlider::sub-page:horizontal{border-radius:3px;background:rgba(255,143,31,1);}</source>
        <translation>QSlider::groove:horizontal{height:6px;border:none;border-radius:3px;background:rgba(255,196,123,1);}QSlider::handle:horizontal{width:16px;height:16px;margin-top:-5px;margin-bottom:-5px;border-image:url(:/images/DKS/slider.png);}QSlider::sub-page:horizontal{border-radius:3px;background:rgba(255,143,31,1);}</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>1000MS</source>
        <translation>1000MS</translation>
    </message>
    <message>
        <location line="+79"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+4"/>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>이 키를 누르면 연속 입력이 켜지거나 꺼집니다.</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>#frame_SeniorKeyEventList{border:none;border-top:2px solid rgb(52, 52, 86);}</source>
        <translation>#frame_SeniorKeyEventList{border:none;border-top:2px solid rgb(52, 52, 86);}</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>10/40</source>
        <translation>10/40</translation>
    </message>
    <message>
        <location line="+32"/>
        <location line="+291"/>
        <source>QScrollBar:vertical{background:transparent;width:4px;margin-top:3px;margin-bottom:3px;}QScrollBar::handle:vertical{background:rgb(75,75,111);min-height:20px;border-radius:2px;}QScrollBar::handle:vertical:hover{background:rgb(255,143,31);}QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;}</source>
        <translation>QScrollBar:vertical{background:transparent;width:4px;margin-top:3px;margin-bottom:3px;}QScrollBar::handle:vertical{background:rgb(75,75,111);min-height:20px;border-radius:2px;}QScrollBar::handle:vertical:hover{background:rgb(255,143,31);}QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;}</translation>
    </message>
    <message>
        <location line="-249"/>
        <source>#scrollAreaWidgetContents_2{background-color:rgb(34, 34, 58);}</source>
        <translation>#scrollAreaWidgetContents_2{background-color:rgb(34, 34, 58);}</translation>
    </message>
    <message>
        <location line="+86"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="-3"/>
        <source>Senior keys is empty</source>
        <translation>고급 키가 없습니다</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>color:rgb(175, 175, 175);font-weight:75;font-family:&quot;微软雅黑&quot;;font-size:14pt;</source>
        <translation>color:rgb(175, 175, 175);font-weight:75;font-family:&quot;微软雅黑&quot;;font-size:14pt;</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>#frame_11{border:none;border-bottom:2px solid rgb(52, 52, 86);}</source>
        <translation>#frame_11{border:none;border-bottom:2px solid rgb(52, 52, 86);}</translation>
    </message>
    <message>
        <location line="+21"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="-5"/>
        <source>Single Key</source>
        <translation>단일 키</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+1"/>
        <source>Key Combination</source>
        <translation>키 조합</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>#scrollAreaWidgetContents_3{background-color:rgb(34, 34, 58);}</source>
        <translation>#scrollAreaWidgetContents_3{background-color:rgb(34, 34, 58);}</translation>
    </message>
    <message>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+372"/>
        <source>The number of senior keys has reached the maximum</source>
        <translation>고급 키 수가 최대치에 도달했습니다</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+6"/>
        <location line="+32"/>
        <location line="+20"/>
        <source>Operate failed</source>
        <translation>작업 실패</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Create senior keys successful</source>
        <translation>고급 키 생성 성공</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Keys are still bound to this senior key. Delete it anyway?</source>
        <translation>이 고급 키에 아직 키가 할당되어 있습니다. 그래도 삭제할까요?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Delete senior keys successful</source>
        <translation>고급 키 삭제 성공</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <location filename="../src/advancedkeys/dseniorkeysrecordexplaindia.ui" line="+14"/>
        <source>Explain</source>
        <translation>설명</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Single Key / Key Combination</source>
        <translation>단일 키 / 키 조합</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>DKS / MT / TGL</source>
        <translation>DKS / MT / TGL</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <location filename="../src/mainwindow/dsettingsdia.ui" line="+14"/>
        <source>DSettingsDia</source>
        <translation>DSettingsDia</translation>
    </message>
    <message>
        <location line="+116"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+149"/>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <location line="+111"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <location line="+60"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <location line="+47"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <location line="+35"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Background image</source>
        <translation>배경 이미지</translation>
    </message>
    <message>
        <location line="+35"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Auto start</source>
        <translation>자동 시작</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>시스템 시작 시 앱 실행(최소화)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Close startup to tray</source>
        <translation>닫으면 트레이로 최소화</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Upgrade</source>
        <translation>업그레이드</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Firmware upgrade check</source>
        <translation>펌웨어 업데이트 확인</translation>
    </message>
    <message>
        <location line="+160"/>
        <source>Application software</source>
        <translation>응용 프로그램</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>Check Update</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="-120"/>
        <source>Dark</source>
        <translation>다크</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light</source>
        <translation>라이트</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>블루</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pink</source>
        <translation>핑크</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other</source>
        <translation>기타</translation>
    </message>
    <message>
        <location line="+153"/>
        <source>Set config success</source>
        <translation>설정 성공</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set config failed</source>
        <translation>설정 실패</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>No upgradeable devices found</source>
        <translation>업그레이드할 수 있는 장치가 없습니다</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:%2;&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:%2;&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
</context>
<context>
    <name>DSideLightCustomEventPage</name>
    <message>
        <location filename="../src/keyassign/dsidelightcustomeventpage.ui" line="+6"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+34"/>
        <source>Atmosphere Light</source>
        <translation>무드 조명</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="-21"/>
        <source>All light</source>
        <translation>모든 조명</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Overall light</source>
        <translation>전체 조명</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Interaction light</source>
        <translation>반응형 조명</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Brightness +</source>
        <translation>밝기 +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Brightness -</source>
        <translation>밝기 -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Speed +</source>
        <translation>속도 +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Speed -</source>
        <translation>속도 -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Into full color</source>
        <translation>풀 컬러로 전환</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Top color changed</source>
        <translation>상단 색상 전환</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Bottom color changed</source>
        <translation>하단 색상 전환</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Close side light</source>
        <translation>사이드 조명 끄기</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Stop side light</source>
        <translation>사이드 조명 정지</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <location filename="../src/keyassign/dsoftkeyboardpage.ui" line="+9"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <location filename="../src/advancedkeys/dstrokeconfigview.ui" line="+6"/>
        <source>DStrokeConfigView</source>
        <translation>DStrokeConfigView</translation>
    </message>
    <message>
        <location line="+56"/>
        <location filename="../src/advancedkeys/dstrokeconfigview.cpp" line="+22"/>
        <source>Trigger points for DKS actions</source>
        <translation>DKS 동작 입력 지점</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <location filename="../src/advancedkeys/dstrokeconfigview.cpp" line="+90"/>
        <source>Operate failed</source>
        <translation>작업 실패</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <location filename="../src/trigger/dtriggersettingpage.cpp" line="+116"/>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensitivity of pressing and releasing</source>
        <translation>누름/뗌 감도 개별 설정</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quick trigger</source>
        <translation>래피드 트리거</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key calibration mode</source>
        <translation>키 캘리브레이션 모드</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Start calibration</source>
        <translation>캘리브레이션 시작</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All keys calibration</source>
        <translation>전체 키 캘리브레이션</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>키를 누르거나 떼려는 의도에 맞게 입력 거리와 리셋 거리를 직접 조정할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>래피드 트리거의 누름(입력)과 뗌(리셋) 거리 값을 따로 설정할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press</source>
        <translation>누름</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Trigger</source>
        <translation>입력</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Release</source>
        <translation>뗌</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset</source>
        <translation>리셋</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>The keyboard has not reported its key travel yet, please wait a moment</source>
        <translation>키보드가 아직 키 이동 거리를 보고하지 않았습니다. 잠시 기다려 주세요</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <location filename="../src/firmware/dupdatefirmwaredia.cpp" line="+65"/>
        <source>Update Firmware</source>
        <translation>펌웨어 업데이트</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>펌웨어 업데이트 중에는 장치를 분리하지 마세요!</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>DUpdateFirmwareDia</source>
        <translation>DUpdateFirmwareDia</translation>
    </message>
    <message>
        <location line="+211"/>
        <source>Update successful</source>
        <translation>업데이트 성공</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Update failed</source>
        <translation>업데이트 실패</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <location filename="../src/keyassign/dvirtualkeyboardtool.ui" line="+9"/>
        <source>DVirtualKeyboardTool</source>
        <translation>DVirtualKeyboardTool</translation>
    </message>
    <message>
        <location line="+32"/>
        <location filename="../src/keyassign/dvirtualkeyboardtool.cpp" line="+16"/>
        <location line="+14"/>
        <source>Virtual Keyboard</source>
        <translation>가상 키보드</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../src/app/qtlinguist.cpp" line="+24"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/app/main.cpp" line="+29"/>
        <source>Software exit</source>
        <translation>프로그램 종료</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Conflict, software out of operation!</source>
        <translation>충돌이 발생하여 프로그램을 실행할 수 없습니다!</translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="+56"/>
        <source>Volume +</source>
        <translation>볼륨 +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume -</source>
        <translation>볼륨 -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play/Pause</source>
        <translation>재생/일시정지</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next track</source>
        <translation>다음 곡</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prev track</source>
        <translation>이전 곡</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Player</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calculator</source>
        <translation>계산기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer</source>
        <translation>내 컴퓨터</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser</source>
        <translation>브라우저</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Screen brightness+</source>
        <translation>화면 밝기+</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Screen brightness-</source>
        <translation>화면 밝기-</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mouse Left</source>
        <translation>마우스 왼쪽</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mouse Center</source>
        <translation>마우스 가운데</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mouse Right</source>
        <translation>마우스 오른쪽</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scroll Up</source>
        <translation>위로 스크롤</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll Down</source>
        <translation>아래로 스크롤</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Forward</source>
        <translation>앞으로</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backward</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sniper Key</source>
        <translation>스나이퍼 키</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close window</source>
        <translation>창 닫기</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Switch windows</source>
        <translation>창 전환</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show desktop</source>
        <translation>바탕 화면 보기</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>My computer</source>
        <translation>내 컴퓨터</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock computer</source>
        <translation>컴퓨터 잠금</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>Overall light</source>
        <translation>전체 조명</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+4"/>
        <source>Interaction light</source>
        <translation>반응형 조명</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+4"/>
        <source>All light</source>
        <translation>모든 조명</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Static</source>
        <translation>고정</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Brightness +</source>
        <translation>밝기 +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brightness -</source>
        <translation>밝기 -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed +</source>
        <translation>속도 +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed -</source>
        <translation>속도 -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Direction +1</source>
        <translation>방향 +1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Direction -1</source>
        <translation>방향 -1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Direction Loop</source>
        <translation>방향 순환</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Into full color</source>
        <translation>풀 컬러로 전환</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top color changed</source>
        <translation>상단 색상 전환</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom color changed</source>
        <translation>하단 색상 전환</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom 1</source>
        <translation>사용자 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom 2</source>
        <translation>사용자 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock/Unlock Win</source>
        <translation>Win 잠금/해제</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock win</source>
        <translation>Win 잠금</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unlock win</source>
        <translation>Win 잠금 해제</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default layer</source>
        <translation>기본 레이어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FN layer</source>
        <translation>FN 레이어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FN1 layer</source>
        <translation>FN1 레이어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bluetooth 1</source>
        <translation>블루투스 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bluetooth 2</source>
        <translation>블루투스 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bluetooth 3</source>
        <translation>블루투스 3</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>2.4G switching</source>
        <translation>2.4G 전환</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB switching</source>
        <translation>USB 전환</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Lock keyboard</source>
        <translation>키보드 잠금</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Power query</source>
        <translation>배터리 잔량 확인</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Close all</source>
        <translation>모두 끄기</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close back light</source>
        <translation>백라이트 끄기</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop back light</source>
        <translation>백라이트 정지</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Light recording</source>
        <translation>조명 녹화</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Close side light</source>
        <translation>사이드 조명 끄기</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop side light</source>
        <translation>사이드 조명 정지</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.cpp" line="+93"/>
        <location line="+525"/>
        <source>Device List</source>
        <translation>장치 목록</translation>
    </message>
    <message>
        <location line="-524"/>
        <location line="+525"/>
        <source>Device not connected</source>
        <translation>장치가 연결되지 않았습니다</translation>
    </message>
    <message>
        <location line="-524"/>
        <location line="+525"/>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <location line="-306"/>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>키 캘리브레이션 중입니다. 잠시 기다려 주세요</translation>
    </message>
    <message>
        <location line="+136"/>
        <source>Key Custom</source>
        <translation>키 설정</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light Setting</source>
        <translation>조명 설정</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Macro</source>
        <translation>매크로</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Performance</source>
        <translation>성능</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trigger Setting</source>
        <translation>트리거 설정</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Senior Keys</source>
        <translation>고급 키</translation>
    </message>
    <message>
        <location line="+166"/>
        <location line="+32"/>
        <source>All keys calibration in progress ...</source>
        <translation>전체 키 캘리브레이션 중…</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_opening.cpp" line="+157"/>
        <source>The device is offline</source>
        <translation>장치가 오프라인 상태입니다</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The device has been turned on</source>
        <translation>장치를 열었습니다</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profiles.cpp" line="-77"/>
        <source>Device not responding, please reconnect</source>
        <translation>장치가 응답하지 않습니다. 다시 연결하세요</translation>
    </message>
    <message>
        <location filename="../src/keyboardview/keyselectframe.cpp" line="+231"/>
        <source>Cannot remapped</source>
        <translation>재지정 불가</translation>
    </message>
    <message>
        <location filename="../src/advancedkeys/dseniorkeysrecordexplaindia.cpp" line="+23"/>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>&quot;단일 키&quot;를 선택한 경우 키를 클릭하기만 하면 키 설정이 완료됩니다.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>&quot;키 조합&quot;을 선택한 경우 조합 키를 하나 이상과 다른 키 하나를 선택해야 조합 입력이 완료됩니다(예: L_Shift+A 또는 L_Shift+L_Ctrl+A).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>이 키는 네 가지 기능을 수행할 수 있습니다. 네 단계의 누름 깊이에 따라 1~4개의 기능을 할당할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>이 키에는 두 가지 기능이 있습니다. 길게 누르면 한 가지, 탭하면 다른 한 가지가 실행됩니다.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>이 키를 누르면 연속 입력이 켜지거나 꺼집니다.</translation>
    </message>
    <message>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="-323"/>
        <source>The device has no atmosphere lamp</source>
        <translation>이 장치에는 무드 조명이 없습니다</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <location filename="../src/keyboardview/keycatalogue.cpp" line="+92"/>
        <source>Chinese</source>
        <translation>한자</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Korean/English</source>
        <translation>한/영</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>K14</source>
        <translation>K14</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>K45</source>
        <translation>K45</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>K56</source>
        <translation>K56</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>K131</source>
        <translation>K131</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>K132</source>
        <translation>K132</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>K133</source>
        <translation>K133</translation>
    </message>
</context>
<context>
    <name>Ui_DKeyCalibrationExplainDia</name>
    <message>
        <location filename="../src/trigger/dkeycalibrationexplaindia.cpp" line="-32"/>
        <source>DKeyCalibrationExplainDia</source>
        <translation>DKeyCalibrationExplainDia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1.Explain</source>
        <translation>1. 설명</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.Explain</source>
        <translation>2. 설명</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.Explain</source>
        <translation>3. 설명</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4.Explain</source>
        <translation>4. 설명</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5.Explain</source>
        <translation>5. 설명</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Explain</source>
        <translation>설명</translation>
    </message>
</context>
<context>
    <name>Ui_DPerformancePage</name>
    <message>
        <location filename="../src/trigger/dperformancepageform.cpp" line="+175"/>
        <source>DPerformancePage</source>
        <translation>DPerformancePage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If Win Lock is on:</source>
        <translation>Win 잠금이 켜져 있을 때:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable Windows key</source>
        <translation>Windows 키 비활성화</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB 비활성화</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB 비활성화</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 비활성화</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light into sleep:</source>
        <translation>조명 절전:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>666</source>
        <translation>666</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0~60000</source>
        <translation>0~60000</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Second</source>
        <translation>초</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard into sleep:</source>
        <translation>키보드 절전:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>333</source>
        <translation>333</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5~1000</source>
        <translation>5~1000</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minute</source>
        <translation>분</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prohibit Sleep</source>
        <translation>절전 안 함</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Submit</source>
        <translation>적용</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard properties</source>
        <translation>키보드 속성</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset current profile</source>
        <translation>현재 프로필 초기화</translation>
    </message>
</context>
<context>
    <name>Ui_DTriggerSettingPage</name>
    <message>
        <location filename="../src/trigger/dtriggersettingpageform.cpp" line="+426"/>
        <source>DTriggerSettingPage</source>
        <translation>DTriggerSettingPage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quick trigger</source>
        <translation>래피드 트리거</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>키를 누르거나 떼려는 의도에 맞게 입력 거리와 리셋 거리를 직접 조정할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Secondary sensitivity</source>
        <translation>개별 감도</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>래피드 트리거의 누름(입력)과 뗌(리셋) 거리 값을 따로 설정할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press/Release</source>
        <translation>누름/뗌</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <location line="+2"/>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Press</source>
        <translation>누름</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Release</source>
        <translation>뗌</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key anti shake</source>
        <translation>디바운스</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate return</source>
        <translation>폴링 레이트</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Into calibration mode</source>
        <translation>캘리브레이션 모드 진입</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+3"/>
        <source>Start calibration</source>
        <translation>캘리브레이션 시작</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>All keys calibration</source>
        <translation>전체 키 캘리브레이션</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Intensity tracking</source>
        <translation>누름 깊이 추적</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset sensitivity</source>
        <translation>감도 초기화</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <location filename="../src/firmware/updatefirmwareinfoitem.cpp" line="+60"/>
        <source>Product name:</source>
        <translation>제품명:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update progress:</source>
        <translation>업데이트 진행률:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current version:</source>
        <translation>현재 버전:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New version:</source>
        <translation>새 버전:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <location filename="../src/keyboardview/hiddevicejoinframe.ui" line="+9"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>keyColorRgbFrameItem</name>
    <message>
        <location filename="../src/keyboardview/keycolorrgbframeitem.ui" line="+9"/>
        <source>keyColorRgbFrameItem</source>
        <translation>keyColorRgbFrameItem</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <location filename="../src/keyboardview/keyselectframe.ui" line="+9"/>
        <source>keySelectFrame</source>
        <translation>keySelectFrame</translation>
    </message>
</context>
<context>
    <name>keyboardImageFrameItem</name>
    <message>
        <location filename="../src/keyboardview/keyboardimageframeitem.ui" line="+9"/>
        <source>keyboardImageFrameItem</source>
        <translation>keyboardImageFrameItem</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <location filename="../src/macro/macromenutoolwidget.ui" line="+9"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location line="+21"/>
        <location filename="../src/macro/macromenutoolwidget.cpp" line="+13"/>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/macro/macromenutoolwidget.cpp" line="-1"/>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/macro/macromenutoolwidget.cpp" line="+2"/>
        <source>Modify Name</source>
        <translation>이름 변경</translation>
    </message>
</context>
</TS>
