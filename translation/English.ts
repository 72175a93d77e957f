<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <location filename="../src/widgets/dcustomeventtipexplain.cpp" line="27"/>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="43"/>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DDataManager</name>
    <message>
        <location filename="../src/app/ddatamanager.cpp" line="30"/>
        <source>Unknow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <location filename="../src/device/ddevicepage.ui" line="14"/>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.ui" line="101"/>
        <source>Device List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.ui" line="233"/>
        <source>link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.ui" line="501"/>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.ui" line="804"/>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.ui" line="811"/>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.ui" line="818"/>
        <source>Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.ui" line="869"/>
        <source>1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.ui" line="923"/>
        <source>USB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.ui" line="1012"/>
        <source>60</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.ui" line="1484"/>
        <source>Device not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="101"/>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="262"/>
        <source>The number of profile has reached the maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="108"/>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="114"/>
        <source>Create profile failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="120"/>
        <source>Create profile successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="129"/>
        <source>Need keep at least one profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="134"/>
        <source>Delete profile failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="143"/>
        <source>Delete profile successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="161"/>
        <source>Profile name can&apos;t empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="168"/>
        <source>Modify profile info failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="173"/>
        <source>Modify profile info successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="208"/>
        <source>Save directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="211"/>
        <source>Please select save directory first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="218"/>
        <source>This index node non-existent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="245"/>
        <source>Export profile successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="245"/>
        <source>Export profile failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="252"/>
        <source>Open profile file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="253"/>
        <source>Profile files(*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="255"/>
        <source>Please select import file first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="276"/>
        <source>Import profile successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="276"/>
        <source>Import profile failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="341"/>
        <source>Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="341"/>
        <source>Whether to reset the current profile?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="343"/>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="344"/>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="365"/>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="372"/>
        <source>Operate failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="380"/>
        <source>Operate successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profiles.cpp" line="89"/>
        <source>The profile folder %1 cannot be created; profiles cannot be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profiles.cpp" line="124"/>
        <source>The profile file was damaged and has been reset; the damaged copy was kept as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profiles.cpp" line="131"/>
        <source>Profiles</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <location filename="../src/app/dloginwidget.ui" line="14"/>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/dloginwidget.ui" line="26"/>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <location filename="../src/mainwindow/dmainwidget.ui" line="17"/>
        <source>DMainWidget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dmainwidget.ui" line="44"/>
        <source>QFrame#frame_Bg{border: 1px solid rgb(25, 25, 50); background: transparent;}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dmainwidget.ui" line="77"/>
        <source>QFrame#frame_Title{background-color: rgb(34, 34, 58);}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dmainwidget.ui" line="195"/>
        <source>QPushButton{border-image: url(:/images/quelmoLogo.png);}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dmainwidget.ui" line="212"/>
        <location filename="../src/mainwindow/dmainwidget.ui" line="359"/>
        <location filename="../src/mainwindow/dmainwidget.ui" line="425"/>
        <source>color: rgb(255, 143, 31);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dmainwidget.ui" line="272"/>
        <source>QPushButton{border-image: url(:/images/leftTopLogo.png);}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dmainwidget.ui" line="318"/>
        <source>border: none; border-radius: 12px;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dmainwidget.ui" line="365"/>
        <source>HID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dmainwidget.ui" line="379"/>
        <source>color: rgb(255, 243, 231);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dmainwidget.ui" line="382"/>
        <source>RGB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dmainwidget.ui" line="428"/>
        <source>V1.0.0.0.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dmainwidget.ui" line="530"/>
        <source>QPushButton{border-image: url(:/images/mainpage/settingDef.png);} QPushButton:hover{border-image: url(:/images/mainpage/settingSel.png);} QPushButton:pressed{border-image: url(:/images/mainpage/settingSel.png);}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dmainwidget.ui" line="555"/>
        <source>QPushButton{border-image: url(:/images/mainpage/minWindowDef.png);} QPushButton:hover{border-image: url(:/images/mainpage/minWindowSel.png);} QPushButton:pressed{border-image: url(:/images/mainpage/minWindowSel.png);}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dmainwidget.ui" line="580"/>
        <source>QPushButton{border-image: url(:/images/mainpage/maxWindowDef.png);} QPushButton:hover{border-image: url(:/images/mainpage/maxWindowSel.png);} QPushButton:pressed{border-image: url(:/images/mainpage/maxWindowSel.png);}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dmainwidget.ui" line="605"/>
        <source>QPushButton{border-image: url(:/images/mainpage/closeWindowDef.png);} QPushButton:hover{border-image: url(:/images/mainpage/closeWindowSel.png);} QPushButton:pressed{border-image: url(:/images/mainpage/closeWindowSel.png);}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dmainwidget.ui" line="621"/>
        <source>QFrame#frame_Main{border: none; border-top: 3px solid rgb(52, 52, 86);}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dmainwidget.ui" line="642"/>
        <source>QStackedWidget#stackedWidget_Main{border-bottom-left-radius: 12px;}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dmainwidget.ui" line="646"/>
        <source>QWidget#page_Device{border-bottom-left-radius: 12px;}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dmainwidget.cpp" line="130"/>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dmainwidget.cpp" line="131"/>
        <source>The settings file was damaged and has been reset; the damaged copy was kept as %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DOnboardDownload</name>
    <message>
        <location filename="../src/device/donboarddownload.cpp" line="32"/>
        <source>Download config successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/donboarddownload.cpp" line="37"/>
        <source>Download config failed, Please try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/donboarddownload.cpp" line="42"/>
        <source>Please wait until the download has finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/link/donboarddownload.cpp" line="43"/>
        <source>Cannot read %1: nothing was written to the keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/donboarddownload.cpp" line="135"/>
        <source>Too many macro keys (at most %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/donboarddownload.cpp" line="141"/>
        <source>A macro has more than %1 events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/donboarddownload.cpp" line="153"/>
        <source>Too many advanced keys (at most %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <location filename="../src/device/dprofilemenutoolwidget.cpp" line="23"/>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/dprofilemenutoolwidget.cpp" line="24"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/dprofilemenutoolwidget.cpp" line="25"/>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/dprofilemenutoolwidget.cpp" line="26"/>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/dprofilemenutoolwidget.cpp" line="27"/>
        <source>Modify Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/app/main.cpp" line="21"/>
        <source>Software exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="23"/>
        <source>Conflict, software out of operation!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="56"/>
        <source>Volume +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="57"/>
        <source>Volume -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="58"/>
        <source>Mute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="59"/>
        <source>Play/Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="60"/>
        <source>Next track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="61"/>
        <source>Prev track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="62"/>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="63"/>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="64"/>
        <source>Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="65"/>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="66"/>
        <source>Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="67"/>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="68"/>
        <source>Screen brightness+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="69"/>
        <source>Screen brightness-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="70"/>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="73"/>
        <source>Mouse Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="73"/>
        <source>Mouse Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="74"/>
        <source>Mouse Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="74"/>
        <source>Scroll Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="75"/>
        <source>Scroll Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="75"/>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="76"/>
        <source>Backward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="76"/>
        <source>Sniper Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="79"/>
        <source>Close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="79"/>
        <source>Switch windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="80"/>
        <source>Show desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="80"/>
        <source>My computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="81"/>
        <source>Lock computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="81"/>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="82"/>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="82"/>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="83"/>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="83"/>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="84"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="84"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="86"/>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="90"/>
        <source>Overall light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="87"/>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="91"/>
        <source>Interaction light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="88"/>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="92"/>
        <source>All light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="89"/>
        <source>Static</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="93"/>
        <source>Brightness +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="94"/>
        <source>Brightness -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="95"/>
        <source>Speed +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="96"/>
        <source>Speed -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="97"/>
        <source>Direction +1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="98"/>
        <source>Direction -1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="99"/>
        <source>Direction Loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="100"/>
        <source>Into full color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="101"/>
        <source>Top color changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="102"/>
        <source>Bottom color changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="103"/>
        <source>Custom 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="104"/>
        <source>Custom 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="105"/>
        <source>Lock/Unlock Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="106"/>
        <source>Lock win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="107"/>
        <source>Unlock win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="108"/>
        <source>Default layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="109"/>
        <source>FN layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="110"/>
        <source>FN1 layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="111"/>
        <source>Bluetooth 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="112"/>
        <source>Bluetooth 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="113"/>
        <source>Bluetooth 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="128"/>
        <source>2.4G switching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="130"/>
        <source>USB switching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="136"/>
        <source>Lock keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="142"/>
        <source>Power query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="165"/>
        <source>Close all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="167"/>
        <source>Close back light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="169"/>
        <source>Stop back light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="172"/>
        <source>Light recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="191"/>
        <source>Close side light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="193"/>
        <source>Stop side light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.cpp" line="85"/>
        <location filename="../src/device/ddevicepage.cpp" line="615"/>
        <source>Device List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.cpp" line="86"/>
        <location filename="../src/device/ddevicepage.cpp" line="616"/>
        <source>Device not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.cpp" line="87"/>
        <location filename="../src/device/ddevicepage.cpp" line="617"/>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.cpp" line="307"/>
        <source>Key calibration in progress, please wait a moment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.cpp" line="436"/>
        <source>Key Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.cpp" line="437"/>
        <source>Light Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.cpp" line="438"/>
        <source>Macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.cpp" line="439"/>
        <source>Performance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.cpp" line="440"/>
        <source>Trigger Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.cpp" line="441"/>
        <source>Senior Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.cpp" line="618"/>
        <location filename="../src/device/ddevicepage.cpp" line="650"/>
        <source>All keys calibration in progress ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_opening.cpp" line="155"/>
        <source>The device is offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_opening.cpp" line="164"/>
        <source>The device has been turned on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profiles.cpp" line="71"/>
        <source>Device not responding, please reconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/keyboardview/keyselectframe.cpp" line="227"/>
        <source>Cannot remapped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <location filename="../src/keyboardview/hiddevicejoinframe.ui" line="9"/>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>keyColorRgbFrameItem</name>
    <message>
        <location filename="../src/keyboardview/keycolorrgbframeitem.ui" line="9"/>
        <source>keyColorRgbFrameItem</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <location filename="../src/keyboardview/keyselectframe.ui" line="9"/>
        <source>keySelectFrame</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>keyboardImageFrameItem</name>
    <message>
        <location filename="../src/keyboardview/keyboardimageframeitem.ui" line="9"/>
        <source>keyboardImageFrameItem</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
