<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
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
        <translation>組合鍵</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/keyboardview/dallkeysshowpage.cpp" line="+1"/>
        <source>Normal Keys</source>
        <translation>一般按鍵</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/keyboardview/dallkeysshowpage.cpp" line="+1"/>
        <source>Special Keys</source>
        <translation>特殊按鍵</translation>
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
        <translation>左鍵點擊</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Center Click</source>
        <translation>中鍵點擊</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right Click</source>
        <translation>右鍵點擊</translation>
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
        <translation>指派設定檔</translation>
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
        <translation>輕按</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/keyassign/dchangekeypage.cpp" line="+23"/>
        <source>Remap Key</source>
        <translation>按鍵重新對應</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../src/keyassign/dchangekeypage.cpp" line="+1"/>
        <source>Remap with key?</source>
        <translation>要對應到哪個按鍵？</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <location filename="../src/widgets/dcustomeventtipexplain.cpp" line="+28"/>
        <source>Default</source>
        <translation>預設</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <location filename="../src/keyassign/dcustomkeyspage.ui" line="+80"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+277"/>
        <source>Type:</source>
        <translation>類型：</translation>
    </message>
    <message>
        <location line="+467"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+1"/>
        <source>Function:</source>
        <translation>功能：</translation>
    </message>
    <message>
        <location line="+303"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+1"/>
        <source>Key</source>
        <translation>按鍵</translation>
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
        <translation>預設層</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+1"/>
        <source>FN layer</source>
        <translation>FN 層</translation>
    </message>
    <message>
        <location line="+37"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+1"/>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="-212"/>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Macro</source>
        <translation>巨集</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remap Key</source>
        <translation>按鍵重新對應</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Multimedia</source>
        <translation>多媒體</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key Combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shortcuts</source>
        <translation>快速鍵</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch Profile</source>
        <translation>切換設定檔</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Launch Application</source>
        <translation>啟動應用程式</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keyboard Light</source>
        <translation>鍵盤燈</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Atmosphere Light</source>
        <translation>氛圍燈</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key Config</source>
        <translation>按鍵設定</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Senior Keys</source>
        <translation>進階按鍵</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>Operate successful</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <location line="+166"/>
        <location line="+182"/>
        <source>Please select one Key first</source>
        <translation>請先選擇一個按鍵</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Operate failed</source>
        <translation>操作失敗</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting failed because the text is empty</source>
        <translation>設定失敗：文字為空</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unknow</source>
        <translation>未知</translation>
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
        <translation>自訂燈效項目</translation>
    </message>
</context>
<context>
    <name>DDataManager</name>
    <message>
        <location filename="../src/app/ddatamanager.cpp" line="+35"/>
        <source>Unknow</source>
        <translation>未知</translation>
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
        <translation>裝置清單</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>link</source>
        <translation>連線</translation>
    </message>
    <message>
        <location line="+268"/>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <location line="+303"/>
        <source>Test</source>
        <translation>測試</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Change</source>
        <translation>切換</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Keyboard</source>
        <translation>鍵盤</translation>
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
        <translation>裝置未連線</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="+102"/>
        <location line="+173"/>
        <source>The number of profile has reached the maximum</source>
        <translation>設定檔數量已達上限</translation>
    </message>
    <message>
        <location line="-166"/>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>建立失敗，此索引節點已存在，請檢查</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Create profile failed</source>
        <translation>建立設定檔失敗</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Create profile successful</source>
        <translation>建立設定檔成功</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Need keep at least one profile</source>
        <translation>至少需保留一個設定檔</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Delete profile failed</source>
        <translation>刪除設定檔失敗</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Delete profile successful</source>
        <translation>刪除設定檔成功</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Profile name can&apos;t empty</source>
        <translation>設定檔名稱不可為空</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Modify profile info failed</source>
        <translation>修改設定檔資訊失敗</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modify profile info successful</source>
        <translation>修改設定檔資訊成功</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Save directory</source>
        <translation>儲存資料夾</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select save directory first</source>
        <translation>請先選擇儲存資料夾</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This index node non-existent</source>
        <translation>此索引節點不存在</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Export profile successful</source>
        <translation>匯出設定檔成功</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export profile failed</source>
        <translation>匯出設定檔失敗</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open profile file</source>
        <translation>開啟設定檔</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile files(*.xml)</source>
        <translation>設定檔(*.xml)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select import file first</source>
        <translation>請先選擇要匯入的檔案</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Import profile successful</source>
        <translation>匯入設定檔成功</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Import profile failed</source>
        <translation>匯入設定檔失敗</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Whether to reset the current profile?</source>
        <translation>是否重設目前的設定檔？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+6"/>
        <source>Operate failed</source>
        <translation>操作失敗</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Operate successful</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_lighting.cpp" line="+94"/>
        <source>The custom light could not be saved</source>
        <translation>無法儲存自訂燈效</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profiles.cpp" line="+97"/>
        <source>The profile folder %1 cannot be created; profiles cannot be saved</source>
        <translation>無法建立設定檔資料夾 %1，設定檔無法儲存</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The profile file was damaged and has been reset; the damaged copy was kept as %1</source>
        <translation>設定檔已損毀並已重設；損毀的副本已保留為 %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Profiles</source>
        <translation>設定檔</translation>
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
        <translation>韌體資訊</translation>
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
        <translation>快速鍵</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-18"/>
        <source>Show desktop</source>
        <translation>顯示桌面</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-1"/>
        <source>Close window</source>
        <translation>關閉視窗</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+3"/>
        <source>Lock computer</source>
        <translation>鎖定電腦</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-1"/>
        <source>My computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+2"/>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+2"/>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+1"/>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-2"/>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+5"/>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-1"/>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-1"/>
        <source>New</source>
        <translation>新增</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <location filename="../src/trigger/dkeycalibrationexplaindia.cpp" line="+112"/>
        <source>1.Into key calibration mode first;</source>
        <translation>1. 先進入按鍵校正模式；</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.Select one key;</source>
        <translation>2. 選擇一個按鍵；</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. 點擊「開始校正」；</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4.Press the selected key;</source>
        <translation>4. 按下所選按鍵；</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5.Return key calibration results;</source>
        <translation>5. 傳回按鍵校正結果；</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Set the required press key duration for triggering.</source>
        <translation>設定觸發所需的按鍵按壓時間。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>啟用全鍵校正後，請按下所有按鍵以完成校正。</translation>
    </message>
</context>
<context>
    <name>DKeyCapturePage</name>
    <message>
        <location filename="../src/keyassign/dkeycapturepage.cpp" line="+66"/>
        <source>Light Press</source>
        <translation>輕按</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heavy Press</source>
        <translation>重按</translation>
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
        <translation>輕按</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/keyassign/dkeycombinationpage.cpp" line="+25"/>
        <source>Key Combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../src/keyassign/dkeycombinationpage.cpp" line="+1"/>
        <source>Enter key?</source>
        <translation>輸入按鍵？</translation>
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
        <translation>按鍵設定</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Switch loop</source>
        <translation>循環切換</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="-22"/>
        <source>Lock win</source>
        <translation>鎖定 Win</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Unlock win</source>
        <translation>解鎖 Win</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Lock keyboard</source>
        <translation>鎖定鍵盤</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Power query</source>
        <translation>電量查詢</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Default layer</source>
        <translation>預設層</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>FN layer</source>
        <translation>FN 層</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>FN1 layer</source>
        <translation>FN1 層</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+2"/>
        <source>USB switching</source>
        <translation>切換 USB</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>2.4G switching</source>
        <translation>切換 2.4G</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Bluetooth 1</source>
        <translation>藍牙 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Bluetooth 2</source>
        <translation>藍牙 2</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Bluetooth 3</source>
        <translation>藍牙 3</translation>
    </message>
    <message>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="-13"/>
        <source>Lock/Unlock Win</source>
        <translation>鎖定/解鎖 Win</translation>
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
        <translation>停用</translation>
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
        <translation>確定</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dkeydisablepage.cpp" line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>選擇應用程式</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dkeywithapppage.cpp" line="-30"/>
        <source>Please select the path where your app is located</source>
        <translation>請選擇應用程式所在的路徑</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../src/keyassign/dkeywithapppage.cpp" line="+1"/>
        <source>Select application</source>
        <translation>選擇應用程式</translation>
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
        <translation>文字</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/keyassign/dkeywithtextpage.cpp" line="+1"/>
        <source>Enter text ...</source>
        <translation>輸入文字…</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../src/keyassign/dkeywithtextpage.cpp" line="+1"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dkeywithtextpage.cpp" line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>鍵盤燈</translation>
    </message>
    <message>
        <location line="+30"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="-29"/>
        <source>Overall light</source>
        <translation>整體燈效</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Interaction light</source>
        <translation>互動燈效</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>All light</source>
        <translation>全部燈光</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Static</source>
        <translation>恆亮</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Brightness +</source>
        <translation>亮度 +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Brightness -</source>
        <translation>亮度 -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Speed +</source>
        <translation>速度 +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Speed -</source>
        <translation>速度 -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Direction +1</source>
        <translation>方向 +1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Direction -1</source>
        <translation>方向 -1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Direction Loop</source>
        <translation>方向循環</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Into full color</source>
        <translation>進入全彩</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Top color changed</source>
        <translation>切換上層顏色</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Bottom color changed</source>
        <translation>切換底層顏色</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Close all</source>
        <translation>全部關閉</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Close back light</source>
        <translation>關閉背光</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Stop back light</source>
        <translation>暫停背光</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Light recording</source>
        <translation>燈效錄製</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Custom 1</source>
        <translation>自訂 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Custom 2</source>
        <translation>自訂 2</translation>
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
        <translation>類型：</translation>
    </message>
    <message>
        <location line="+411"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Brightness:</source>
        <translation>亮度：</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Direction:</source>
        <translation>方向：</translation>
    </message>
    <message>
        <location line="+138"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Light mode</source>
        <translation>燈效模式</translation>
    </message>
    <message>
        <location line="+72"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Full color</source>
        <translation>全彩</translation>
    </message>
    <message>
        <location line="+49"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Top color</source>
        <translation>上層顏色</translation>
    </message>
    <message>
        <location line="+45"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Bottom color</source>
        <translation>底層顏色</translation>
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
        <translation>自訂燈效</translation>
    </message>
    <message>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="-8"/>
        <location line="+155"/>
        <location line="+9"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+18"/>
        <location line="+21"/>
        <source>Static</source>
        <translation>恆亮</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-18"/>
        <location line="+22"/>
        <source>Neon</source>
        <translation>霓虹</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+9"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-24"/>
        <location line="+21"/>
        <source>Breath</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-20"/>
        <location line="+21"/>
        <source>Wave</source>
        <translation>波浪</translation>
    </message>
    <message>
        <location line="-8"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-14"/>
        <source>Twinkle</source>
        <translation>閃爍</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-4"/>
        <source>Snake</source>
        <translation>蛇形</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-1"/>
        <source>Radar</source>
        <translation>雷達</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+10"/>
        <source>Auto Ripple</source>
        <translation>自動漣漪</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+1"/>
        <source>Striation</source>
        <translation>條紋</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-8"/>
        <source>Aurora</source>
        <translation>極光</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+1"/>
        <source>Ripple</source>
        <translation>漣漪</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-2"/>
        <source>Reactive</source>
        <translation>觸發回應</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+5"/>
        <source>Cross</source>
        <translation>十字</translation>
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
        <translation>煙火</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-4"/>
        <source>Speed Respond</source>
        <translation>速度回應</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+5"/>
        <source>Musical Rhythm</source>
        <translation>音樂律動</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-7"/>
        <source>Custom</source>
        <translation>自訂</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+14"/>
        <source>Collision</source>
        <translation>碰撞</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+2"/>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Keyboard/Ambient</source>
        <translation>鍵盤/氛圍燈</translation>
    </message>
    <message>
        <location filename="../src/lighting/dlightsconfigpage_custom.cpp" line="+135"/>
        <source>Two custom lights must be in use to swap one</source>
        <translation>必須有兩個自訂燈效正在使用中才能交換</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The custom light could not be saved</source>
        <translation>無法儲存自訂燈效</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Custom light name can&apos;t be empty</source>
        <translation>自訂燈效名稱不可為空</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modify custom light name successful</source>
        <translation>修改自訂燈效名稱成功</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modify custom light name failed</source>
        <translation>修改自訂燈效名稱失敗</translation>
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
        <translation>登入</translation>
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
        <translation>播放方式</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+1"/>
        <source>Play once</source>
        <translation>播放一次</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+2"/>
        <source>Continous playback on/off</source>
        <translation>連續播放開/關</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="-1"/>
        <source>Play multiple times</source>
        <translation>播放多次</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+2"/>
        <source>Play while assigned key is pressed</source>
        <translation>按住按鍵時播放</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+1"/>
        <source>Play Number</source>
        <translation>播放次數</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+1"/>
        <source>Play Number 1,2,3...</source>
        <translation>播放次數 1,2,3…</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+1"/>
        <source>Assign Macro</source>
        <translation>指派巨集</translation>
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
        <translation>綁定</translation>
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
        <translation>巨集錄製</translation>
    </message>
    <message>
        <location line="+149"/>
        <source>Macro Group</source>
        <translation>巨集清單</translation>
    </message>
    <message>
        <location line="+247"/>
        <source>Delay Setting</source>
        <translation>延遲設定</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Recording delay</source>
        <translation>錄製延遲</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No delay</source>
        <translation>無延遲</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Default delay</source>
        <translation>預設延遲</translation>
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
        <translation>錄製</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Event List</source>
        <translation>事件清單</translation>
    </message>
    <message>
        <location line="+263"/>
        <source>Record is empty</source>
        <translation>錄製內容為空</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Insert Event</source>
        <translation>插入事件</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Insert event after</source>
        <translation>在後方插入事件</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Insert event before</source>
        <translation>在前方插入事件</translation>
    </message>
    <message>
        <location line="+47"/>
        <location line="+566"/>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <location line="-532"/>
        <location line="+566"/>
        <source>Keyboard Event</source>
        <translation>鍵盤事件</translation>
    </message>
    <message>
        <location line="-556"/>
        <location line="+566"/>
        <source>Mouse Event</source>
        <translation>滑鼠事件</translation>
    </message>
    <message>
        <location line="-559"/>
        <location line="+424"/>
        <source>Delay</source>
        <translation>延遲</translation>
    </message>
    <message>
        <location line="-364"/>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <location line="+38"/>
        <location line="+540"/>
        <location filename="../src/macro/dmacropage_events.cpp" line="+138"/>
        <location line="+59"/>
        <location line="+19"/>
        <source>Please enter a key</source>
        <translation>請輸入一個按鍵</translation>
    </message>
    <message>
        <location line="-514"/>
        <location line="+601"/>
        <source>Left Click</source>
        <translation>左鍵點擊</translation>
    </message>
    <message>
        <location line="-578"/>
        <location line="+598"/>
        <source>Center Click</source>
        <translation>中鍵點擊</translation>
    </message>
    <message>
        <location line="-578"/>
        <location line="+598"/>
        <source>Right Click</source>
        <translation>右鍵點擊</translation>
    </message>
    <message>
        <location line="-566"/>
        <source>Please enter delay number</source>
        <translation>請輸入延遲數值</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Property</source>
        <translation>屬性</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <location line="+167"/>
        <source>Press Key</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <location line="+131"/>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <location filename="../src/macro/dmacropage.cpp" line="+24"/>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create</source>
        <translation>新增</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/macro/dmacropage_recording.cpp" line="+68"/>
        <source>Start record</source>
        <translation>開始錄製</translation>
    </message>
    <message>
        <location line="+248"/>
        <source>Macro name can&apos;t be empty</source>
        <translation>巨集名稱不可為空</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modify macro name successful</source>
        <translation>修改巨集名稱成功</translation>
    </message>
    <message>
        <location filename="../src/macro/dmacropage_events.cpp" line="-83"/>
        <location line="+55"/>
        <location line="+137"/>
        <source>Please select a specific location first</source>
        <translation>請先選擇具體位置</translation>
    </message>
    <message>
        <location line="-182"/>
        <location filename="../src/macro/dmacropage_recording.cpp" line="+82"/>
        <location line="+11"/>
        <location line="+37"/>
        <location line="+58"/>
        <source>The record of events has reached the limit</source>
        <translation>錄製的事件數量已達上限</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Insert failed</source>
        <translation>插入失敗</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Insert successful</source>
        <translation>插入成功</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Modify failed</source>
        <translation>修改失敗</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Modify successful</source>
        <translation>修改成功</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Delete failed</source>
        <translation>刪除失敗</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Please select a macro first</source>
        <translation>請先選擇一個巨集</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clear record macro failed</source>
        <translation>清除巨集錄製失敗</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear record macro successful</source>
        <translation>清除巨集錄製成功</translation>
    </message>
    <message>
        <location filename="../src/macro/dmacropage_list.cpp" line="+37"/>
        <location line="+8"/>
        <source>Add macro failed</source>
        <translation>新增巨集失敗</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add macro successful</source>
        <translation>新增巨集成功</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Delete macro</source>
        <translation>刪除巨集</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keys of the current profile still play the macro &quot;%1&quot;. Delete it anyway? Those keys keep playing the macro as it is now.</source>
        <translation>目前設定檔中仍有按鍵在播放巨集「%1」。仍要刪除嗎？這些按鍵將繼續播放此巨集的目前內容。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Delete macro failed</source>
        <translation>刪除巨集失敗</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Delete macro successful</source>
        <translation>刪除巨集成功</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Save directory</source>
        <translation>儲存資料夾</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select save directory first</source>
        <translation>請先選擇儲存資料夾</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+8"/>
        <location line="+8"/>
        <source>Export macro failed</source>
        <translation>匯出巨集失敗</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export macro successful</source>
        <translation>匯出巨集成功</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open macro file</source>
        <translation>開啟巨集檔案</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Macro files(*.xml)</source>
        <translation>巨集檔案(*.xml)</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+8"/>
        <location line="+7"/>
        <location line="+13"/>
        <source>Import macro failed</source>
        <translation>匯入巨集失敗</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Import macro successful</source>
        <translation>匯入巨集成功</translation>
    </message>
    <message>
        <location filename="../src/macro/dmacropage_recording.cpp" line="-188"/>
        <source>Stop record</source>
        <translation>停止錄製</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Start record macro</source>
        <translation>開始錄製巨集</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Stop record macro</source>
        <translation>停止錄製巨集</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saving the recorded events failed</source>
        <translation>儲存錄製的事件失敗</translation>
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
        <translation>設定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The settings file was damaged and has been reset; the damaged copy was kept as %1</source>
        <translation>設定檔案已損毀並已重設；損毀的副本已保留為 %1</translation>
    </message>
    <message>
        <location line="+314"/>
        <source>Update Firmware</source>
        <translation>韌體更新</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Minimize(&amp;N)</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maximize(&amp;X)</source>
        <translation>最大化(&amp;X)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revert(&amp;R)</source>
        <translation>還原(&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit(&amp;Q)</source>
        <translation>結束(&amp;Q)</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>Keyboard service failed to start</source>
        <translation>鍵盤服務啟動失敗</translation>
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
        <translation>滑鼠按鍵</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="-18"/>
        <source>Mouse Left</source>
        <translation>滑鼠左鍵</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+1"/>
        <source>Mouse Center</source>
        <translation>滑鼠中鍵</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+1"/>
        <source>Mouse Right</source>
        <translation>滑鼠右鍵</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+4"/>
        <source>Backward</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="-1"/>
        <source>Forward</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+3"/>
        <source>Sniper Key</source>
        <translation>狙擊鍵</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="-4"/>
        <source>Scroll Down</source>
        <translation>滾輪向下</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="-1"/>
        <source>Scroll Up</source>
        <translation>滾輪向上</translation>
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
        <translation>多媒體</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-21"/>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+3"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-2"/>
        <source>Next track</source>
        <translation>下一首</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Prev track</source>
        <translation>上一首</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-5"/>
        <source>Volume +</source>
        <translation>音量 +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Volume -</source>
        <translation>音量 -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+5"/>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Calculator</source>
        <translation>計算機</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+2"/>
        <source>Email</source>
        <translation>郵件</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-1"/>
        <source>Browser</source>
        <translation>瀏覽器</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+4"/>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-2"/>
        <source>Screen brightness+</source>
        <translation>螢幕亮度+</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Screen brightness-</source>
        <translation>螢幕亮度-</translation>
    </message>
</context>
<context>
    <name>DOnboardDownload</name>
    <message>
        <location filename="../src/device/link/donboarddownload.cpp" line="+33"/>
        <source>Download config successful</source>
        <translation>設定下載成功</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Download config failed, Please try again</source>
        <translation>設定下載失敗，請再試一次</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot read %1: nothing was written to the keyboard</source>
        <translation>無法讀取 %1：未寫入任何內容到鍵盤</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please wait until the download has finished</source>
        <translation>請等待下載完成</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Too many macro keys (at most %1)</source>
        <translation>巨集按鍵過多（最多 %1 個）</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A macro has more than %1 events</source>
        <translation>有巨集的事件超過 %1 個</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Too many advanced keys (at most %1)</source>
        <translation>進階按鍵過多（最多 %1 個）</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <location filename="../src/trigger/dperformancepage.cpp" line="+62"/>
        <source>If Win Lock is on:</source>
        <translation>開啟 Win 鎖定時：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable Windows key</source>
        <translation>停用 Windows 鍵</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable SHIFT+TAB</source>
        <translation>停用 SHIFT+TAB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable ALT+TAB</source>
        <translation>停用 ALT+TAB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable ALT+F4</source>
        <translation>停用 ALT+F4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light into sleep:</source>
        <translation>燈光休眠：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard into sleep:</source>
        <translation>鍵盤休眠：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minute</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prohibit Sleep</source>
        <translation>禁止休眠</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Submit</source>
        <translation>套用</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard properties</source>
        <translation>鍵盤屬性</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset current profile</source>
        <translation>重設目前設定檔</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <location filename="../src/device/dprofilemenutoolwidget.cpp" line="+23"/>
        <source>Create</source>
        <translation>新增</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Modify Name</source>
        <translation>重新命名</translation>
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
        <translation>輕按</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/keyassign/dresetdefaultpage.cpp" line="+1"/>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
    <message>
        <location line="+23"/>
        <location filename="../src/keyassign/dresetdefaultpage.cpp" line="-4"/>
        <source>Default</source>
        <translation>預設</translation>
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
        <translation>確定</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dresetdefaultpage.cpp" line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>進階按鍵</translation>
    </message>
    <message>
        <location filename="../src/keyassign/dseniorkeysbindingpage.cpp" line="+4"/>
        <location line="+44"/>
        <source>(missing)</source>
        <translation>（遺失）</translation>
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
        <translation>進階按鍵</translation>
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
        <translation>新增</translation>
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
        <translation>此按鍵有兩種功能：按住觸發一種，點擊觸發另一種。</translation>
    </message>
    <message>
        <location line="+65"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="-4"/>
        <source>Hold</source>
        <translation>按住</translation>
    </message>
    <message>
        <location line="+69"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+1"/>
        <source>Click</source>
        <translation>點擊</translation>
    </message>
    <message>
        <location line="+88"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+1"/>
        <source>Hold Duration</source>
        <translation>按住時間</translation>
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
        <translation>點擊此按鍵可開啟或關閉連續觸發。</translation>
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
        <translation>尚無進階按鍵</translation>
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
        <translation>單鍵</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+1"/>
        <source>Key Combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>#scrollAreaWidgetContents_3{background-color:rgb(34, 34, 58);}</source>
        <translation>#scrollAreaWidgetContents_3{background-color:rgb(34, 34, 58);}</translation>
    </message>
    <message>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+372"/>
        <source>The number of senior keys has reached the maximum</source>
        <translation>進階按鍵數量已達上限</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+6"/>
        <location line="+32"/>
        <location line="+20"/>
        <source>Operate failed</source>
        <translation>操作失敗</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Create senior keys successful</source>
        <translation>建立進階按鍵成功</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Keys are still bound to this senior key. Delete it anyway?</source>
        <translation>仍有按鍵綁定此進階按鍵。仍要刪除嗎？</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Delete senior keys successful</source>
        <translation>刪除進階按鍵成功</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <location filename="../src/advancedkeys/dseniorkeysrecordexplaindia.ui" line="+14"/>
        <source>Explain</source>
        <translation>說明</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Single Key / Key Combination</source>
        <translation>單鍵 / 組合鍵</translation>
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
        <translation>設定</translation>
    </message>
    <message>
        <location line="+111"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <location line="+60"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <location line="+47"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Theme</source>
        <translation>主題</translation>
    </message>
    <message>
        <location line="+35"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Background image</source>
        <translation>背景圖片</translation>
    </message>
    <message>
        <location line="+35"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Auto start</source>
        <translation>開機自動啟動</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>系統啟動時執行程式（最小化）</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Close startup to tray</source>
        <translation>關閉時縮小至系統匣</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Upgrade</source>
        <translation>更新</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Firmware upgrade check</source>
        <translation>韌體更新檢查</translation>
    </message>
    <message>
        <location line="+160"/>
        <source>Application software</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>Check Update</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="-120"/>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>藍色</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pink</source>
        <translation>粉紅色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <location line="+153"/>
        <source>Set config success</source>
        <translation>設定成功</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set config failed</source>
        <translation>設定失敗</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>No upgradeable devices found</source>
        <translation>找不到可更新的裝置</translation>
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
        <translation>氛圍燈</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="-21"/>
        <source>All light</source>
        <translation>全部燈光</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Overall light</source>
        <translation>整體燈效</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Interaction light</source>
        <translation>互動燈效</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Brightness +</source>
        <translation>亮度 +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Brightness -</source>
        <translation>亮度 -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Speed +</source>
        <translation>速度 +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Speed -</source>
        <translation>速度 -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Into full color</source>
        <translation>進入全彩</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Top color changed</source>
        <translation>切換上層顏色</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Bottom color changed</source>
        <translation>切換底層顏色</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Close side light</source>
        <translation>關閉側燈</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Stop side light</source>
        <translation>暫停側燈</translation>
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
        <translation>DKS 動作觸發點</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <location filename="../src/advancedkeys/dstrokeconfigview.cpp" line="+90"/>
        <source>Operate failed</source>
        <translation>操作失敗</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <location filename="../src/trigger/dtriggersettingpage.cpp" line="+116"/>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensitivity of pressing and releasing</source>
        <translation>按下與放開靈敏度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quick trigger</source>
        <translation>快速觸發</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key calibration mode</source>
        <translation>按鍵校正模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Start calibration</source>
        <translation>開始校正</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All keys calibration</source>
        <translation>全鍵校正</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>依照按下或放開按鍵的意圖，自訂調整觸發行程與重置行程。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>可分別設定快速觸發按下（觸發）與放開（重置）的行程值。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Trigger</source>
        <translation>觸發</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Release</source>
        <translation>放開</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>The keyboard has not reported its key travel yet, please wait a moment</source>
        <translation>鍵盤尚未回報鍵程，請稍候</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <location filename="../src/firmware/dupdatefirmwaredia.cpp" line="+65"/>
        <source>Update Firmware</source>
        <translation>韌體更新</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>韌體更新期間，請勿拔除裝置！</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>DUpdateFirmwareDia</source>
        <translation>DUpdateFirmwareDia</translation>
    </message>
    <message>
        <location line="+211"/>
        <source>Update successful</source>
        <translation>更新成功</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Update failed</source>
        <translation>更新失敗</translation>
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
        <translation>虛擬鍵盤</translation>
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
        <translation>軟體結束</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Conflict, software out of operation!</source>
        <translation>程式衝突，軟體已停止執行！</translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="+56"/>
        <source>Volume +</source>
        <translation>音量 +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume -</source>
        <translation>音量 -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next track</source>
        <translation>下一首</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prev track</source>
        <translation>上一首</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calculator</source>
        <translation>計算機</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser</source>
        <translation>瀏覽器</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Email</source>
        <translation>郵件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Screen brightness+</source>
        <translation>螢幕亮度+</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Screen brightness-</source>
        <translation>螢幕亮度-</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mouse Left</source>
        <translation>滑鼠左鍵</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mouse Center</source>
        <translation>滑鼠中鍵</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mouse Right</source>
        <translation>滑鼠右鍵</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scroll Up</source>
        <translation>滾輪向上</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll Down</source>
        <translation>滾輪向下</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Forward</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backward</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sniper Key</source>
        <translation>狙擊鍵</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close window</source>
        <translation>關閉視窗</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Switch windows</source>
        <translation>切換視窗</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show desktop</source>
        <translation>顯示桌面</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>My computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock computer</source>
        <translation>鎖定電腦</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>Overall light</source>
        <translation>整體燈效</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+4"/>
        <source>Interaction light</source>
        <translation>互動燈效</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+4"/>
        <source>All light</source>
        <translation>全部燈光</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Static</source>
        <translation>恆亮</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Brightness +</source>
        <translation>亮度 +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brightness -</source>
        <translation>亮度 -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed +</source>
        <translation>速度 +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed -</source>
        <translation>速度 -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Direction +1</source>
        <translation>方向 +1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Direction -1</source>
        <translation>方向 -1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Direction Loop</source>
        <translation>方向循環</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Into full color</source>
        <translation>進入全彩</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top color changed</source>
        <translation>切換上層顏色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom color changed</source>
        <translation>切換底層顏色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom 1</source>
        <translation>自訂 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom 2</source>
        <translation>自訂 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock/Unlock Win</source>
        <translation>鎖定/解鎖 Win</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock win</source>
        <translation>鎖定 Win</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unlock win</source>
        <translation>解鎖 Win</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default layer</source>
        <translation>預設層</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FN layer</source>
        <translation>FN 層</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FN1 layer</source>
        <translation>FN1 層</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bluetooth 1</source>
        <translation>藍牙 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bluetooth 2</source>
        <translation>藍牙 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bluetooth 3</source>
        <translation>藍牙 3</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>2.4G switching</source>
        <translation>切換 2.4G</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB switching</source>
        <translation>切換 USB</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Lock keyboard</source>
        <translation>鎖定鍵盤</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Power query</source>
        <translation>電量查詢</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Close all</source>
        <translation>全部關閉</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close back light</source>
        <translation>關閉背光</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop back light</source>
        <translation>暫停背光</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Light recording</source>
        <translation>燈效錄製</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Close side light</source>
        <translation>關閉側燈</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop side light</source>
        <translation>暫停側燈</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.cpp" line="+93"/>
        <location line="+525"/>
        <source>Device List</source>
        <translation>裝置清單</translation>
    </message>
    <message>
        <location line="-524"/>
        <location line="+525"/>
        <source>Device not connected</source>
        <translation>裝置未連線</translation>
    </message>
    <message>
        <location line="-524"/>
        <location line="+525"/>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <location line="-306"/>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>按鍵校正中，請稍候</translation>
    </message>
    <message>
        <location line="+136"/>
        <source>Key Custom</source>
        <translation>按鍵自訂</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light Setting</source>
        <translation>燈效設定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Macro</source>
        <translation>巨集</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Performance</source>
        <translation>效能</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trigger Setting</source>
        <translation>觸發設定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Senior Keys</source>
        <translation>進階按鍵</translation>
    </message>
    <message>
        <location line="+166"/>
        <location line="+32"/>
        <source>All keys calibration in progress ...</source>
        <translation>全鍵校正中…</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_opening.cpp" line="+157"/>
        <source>The device is offline</source>
        <translation>裝置已離線</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The device has been turned on</source>
        <translation>裝置已開啟</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profiles.cpp" line="-77"/>
        <source>Device not responding, please reconnect</source>
        <translation>裝置無回應，請重新連線</translation>
    </message>
    <message>
        <location filename="../src/keyboardview/keyselectframe.cpp" line="+231"/>
        <source>Cannot remapped</source>
        <translation>無法重新對應</translation>
    </message>
    <message>
        <location filename="../src/advancedkeys/dseniorkeysrecordexplaindia.cpp" line="+23"/>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>選擇「單鍵」時，只需點擊某個按鍵即可完成按鍵設定；</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>選擇「組合鍵」時，需至少選擇一個修飾鍵及另一個按鍵才能完成組合鍵輸入，例如 L_Shift+A 或 L_Shift+L_Ctrl+A；</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>此按鍵可實現四種功能：可依四種不同的按壓深度綁定 1 至 4 個功能。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>此按鍵有兩種功能：按住觸發一種，點擊觸發另一種。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>點擊此按鍵可開啟或關閉連續觸發。</translation>
    </message>
    <message>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="-323"/>
        <source>The device has no atmosphere lamp</source>
        <translation>此裝置沒有氛圍燈</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <location filename="../src/keyboardview/keycatalogue.cpp" line="+92"/>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Korean/English</source>
        <translation>韓/英</translation>
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
        <translation>1. 說明</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.Explain</source>
        <translation>2. 說明</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.Explain</source>
        <translation>3. 說明</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4.Explain</source>
        <translation>4. 說明</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5.Explain</source>
        <translation>5. 說明</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Explain</source>
        <translation>說明</translation>
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
        <translation>開啟 Win 鎖定時：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable Windows key</source>
        <translation>停用 Windows 鍵</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable SHIFT+TAB</source>
        <translation>停用 SHIFT+TAB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable ALT+TAB</source>
        <translation>停用 ALT+TAB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable ALT+F4</source>
        <translation>停用 ALT+F4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light into sleep:</source>
        <translation>燈光休眠：</translation>
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
        <translation>秒</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard into sleep:</source>
        <translation>鍵盤休眠：</translation>
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
        <translation>分鐘</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prohibit Sleep</source>
        <translation>禁止休眠</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Submit</source>
        <translation>套用</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard properties</source>
        <translation>鍵盤屬性</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset current profile</source>
        <translation>重設目前設定檔</translation>
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
        <translation>快速觸發</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>依照按下或放開按鍵的意圖，自訂調整觸發行程與重置行程。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Secondary sensitivity</source>
        <translation>獨立靈敏度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>可分別設定快速觸發按下（觸發）與放開（重置）的行程值。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press/Release</source>
        <translation>按下/放開</translation>
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
        <translation>按下</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Release</source>
        <translation>放開</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key anti shake</source>
        <translation>按鍵防彈跳</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate return</source>
        <translation>回報率</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Into calibration mode</source>
        <translation>進入校正模式</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+3"/>
        <source>Start calibration</source>
        <translation>開始校正</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>All keys calibration</source>
        <translation>全鍵校正</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Intensity tracking</source>
        <translation>力度追蹤</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset sensitivity</source>
        <translation>重設靈敏度</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <location filename="../src/firmware/updatefirmwareinfoitem.cpp" line="+60"/>
        <source>Product name:</source>
        <translation>產品名稱：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update progress:</source>
        <translation>更新進度：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current version:</source>
        <translation>目前版本：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New version:</source>
        <translation>新版本：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete</source>
        <translation>完成</translation>
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
        <translation>匯出</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/macro/macromenutoolwidget.cpp" line="-1"/>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/macro/macromenutoolwidget.cpp" line="+2"/>
        <source>Modify Name</source>
        <translation>重新命名</translation>
    </message>
</context>
</TS>
