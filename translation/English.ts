<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
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
        <translation>Key Combination</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/keyboardview/dallkeysshowpage.cpp" line="+1"/>
        <source>Normal Keys</source>
        <translation>Normal Keys</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/keyboardview/dallkeysshowpage.cpp" line="+1"/>
        <source>Special Keys</source>
        <translation>Special Keys</translation>
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
        <translation>Left Click</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Center Click</source>
        <translation>Center Click</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right Click</source>
        <translation>Right Click</translation>
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
        <translation>Assign Profile</translation>
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
        <translation>Light Press</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Heavy Press</source>
        <translation>Heavy Press</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/keyassign/dchangekeypage.cpp" line="+23"/>
        <source>Remap Key</source>
        <translation>Remap Key</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../src/keyassign/dchangekeypage.cpp" line="+1"/>
        <source>Remap with key?</source>
        <translation>Remap with key?</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <location filename="../src/widgets/dcustomeventtipexplain.cpp" line="+28"/>
        <source>Default</source>
        <translation>Default</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <location filename="../src/keyassign/dcustomkeyspage.ui" line="+80"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+277"/>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <location line="+467"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+1"/>
        <source>Function:</source>
        <translation>Function:</translation>
    </message>
    <message>
        <location line="+303"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+1"/>
        <source>Key</source>
        <translation>Key</translation>
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
        <translation>Default layer</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+1"/>
        <source>FN layer</source>
        <translation>FN layer</translation>
    </message>
    <message>
        <location line="+37"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+1"/>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="-212"/>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remap Key</source>
        <translation>Remap Key</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Disable</source>
        <translation>Disable</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key Combination</source>
        <translation>Key Combination</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shortcuts</source>
        <translation>Shortcuts</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch Profile</source>
        <translation>Switch Profile</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Launch Application</source>
        <translation>Launch Application</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keyboard Light</source>
        <translation>Keyboard Light</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Atmosphere Light</source>
        <translation>Atmosphere Light</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key Config</source>
        <translation>Key Config</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Senior Keys</source>
        <translation>Senior Keys</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>Operate successful</source>
        <translation>Operate successful</translation>
    </message>
    <message>
        <location line="+166"/>
        <location line="+182"/>
        <source>Please select one Key first</source>
        <translation>Please select one Key first</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Operate failed</source>
        <translation>Operate failed</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting failed because the text is empty</source>
        <translation>Setting failed because the text is empty</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unknow</source>
        <translation>Unknown</translation>
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
        <translation>Custom Light Item</translation>
    </message>
</context>
<context>
    <name>DDataManager</name>
    <message>
        <location filename="../src/app/ddatamanager.cpp" line="+35"/>
        <source>Unknow</source>
        <translation>Unknown</translation>
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
        <translation>Device List</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>link</source>
        <translation>link</translation>
    </message>
    <message>
        <location line="+268"/>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <location line="+303"/>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Keyboard</source>
        <translation>Keyboard</translation>
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
        <translation>Device not connected</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="+102"/>
        <location line="+173"/>
        <source>The number of profile has reached the maximum</source>
        <translation>The number of profile has reached the maximum</translation>
    </message>
    <message>
        <location line="-166"/>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Create failed, the index node already exists, please check</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Create profile failed</source>
        <translation>Create profile failed</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Create profile successful</source>
        <translation>Create profile successful</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Need keep at least one profile</source>
        <translation>Need keep at least one profile</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Delete profile failed</source>
        <translation>Delete profile failed</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Delete profile successful</source>
        <translation>Delete profile successful</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Profile name can&apos;t empty</source>
        <translation>Profile name can&apos;t be empty</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Modify profile info failed</source>
        <translation>Modify profile info failed</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modify profile info successful</source>
        <translation>Modify profile info successful</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Save directory</source>
        <translation>Save directory</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select save directory first</source>
        <translation>Please select save directory first</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This index node non-existent</source>
        <translation>This index node non-existent</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Export profile successful</source>
        <translation>Export profile successful</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export profile failed</source>
        <translation>Export profile failed</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open profile file</source>
        <translation>Open profile file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile files(*.xml)</source>
        <translation>Profile files(*.xml)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select import file first</source>
        <translation>Please select import file first</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Import profile successful</source>
        <translation>Import profile successful</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Import profile failed</source>
        <translation>Import profile failed</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Whether to reset the current profile?</source>
        <translation>Whether to reset the current profile?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+6"/>
        <source>Operate failed</source>
        <translation>Operate failed</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Operate successful</source>
        <translation>Operate successful</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profiles.cpp" line="+97"/>
        <source>The profile folder %1 cannot be created; profiles cannot be saved</source>
        <translation>The profile folder %1 cannot be created; profiles cannot be saved</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The profile file was damaged and has been reset; the damaged copy was kept as %1</source>
        <translation>The profile file was damaged and has been reset; the damaged copy was kept as %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Profiles</source>
        <translation>Profiles</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_lighting.cpp" line="+94"/>
        <source>The custom light could not be saved</source>
        <translation>The custom light could not be saved</translation>
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
        <translation>Firmware Info</translation>
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
        <translation>Shortcuts</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-18"/>
        <source>Show desktop</source>
        <translation>Show desktop</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-1"/>
        <source>Close window</source>
        <translation>Close window</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+3"/>
        <source>Lock computer</source>
        <translation>Lock computer</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-1"/>
        <source>My computer</source>
        <translation>My computer</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+2"/>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+2"/>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+1"/>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-2"/>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+5"/>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-1"/>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-1"/>
        <source>New</source>
        <translation>New</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <location filename="../src/trigger/dkeycalibrationexplaindia.cpp" line="+112"/>
        <source>1.Into key calibration mode first;</source>
        <translation>1.Into key calibration mode first;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.Select one key;</source>
        <translation>2.Select one key;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3.Clicked &quot;Start calibration&quot;;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4.Press the selected key;</source>
        <translation>4.Press the selected key;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5.Return key calibration results;</source>
        <translation>5.Return key calibration results;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Set the required press key duration for triggering.</source>
        <translation>Set the required press key duration for triggering.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>When all keys calibration is enabled, please press all keys to complete the calibration.</translation>
    </message>
</context>
<context>
    <name>DKeyCapturePage</name>
    <message>
        <location filename="../src/keyassign/dkeycapturepage.cpp" line="+66"/>
        <source>Light Press</source>
        <translation>Light Press</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heavy Press</source>
        <translation>Heavy Press</translation>
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
        <translation>Light Press</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Heavy Press</source>
        <translation>Heavy Press</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/keyassign/dkeycombinationpage.cpp" line="+25"/>
        <source>Key Combination</source>
        <translation>Key Combination</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../src/keyassign/dkeycombinationpage.cpp" line="+1"/>
        <source>Enter key?</source>
        <translation>Enter key?</translation>
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
        <translation>Key Config</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Switch loop</source>
        <translation>Switch loop</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="-22"/>
        <source>Lock win</source>
        <translation>Lock win</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Unlock win</source>
        <translation>Unlock win</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Lock keyboard</source>
        <translation>Lock keyboard</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Power query</source>
        <translation>Power query</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Default layer</source>
        <translation>Default layer</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>FN layer</source>
        <translation>FN layer</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>FN1 layer</source>
        <translation>FN1 layer</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+2"/>
        <source>USB switching</source>
        <translation>USB switching</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>2.4G switching</source>
        <translation>2.4G switching</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
    <message>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="-13"/>
        <source>Lock/Unlock Win</source>
        <translation>Lock/Unlock Win</translation>
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
        <translation>Disable</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dkeydisablepage.cpp" line="+1"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Select App</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dkeywithapppage.cpp" line="-30"/>
        <source>Please select the path where your app is located</source>
        <translation>Please select the path where your app is located</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../src/keyassign/dkeywithapppage.cpp" line="+1"/>
        <source>Select application</source>
        <translation>Select application</translation>
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
        <translation>Text</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/keyassign/dkeywithtextpage.cpp" line="+1"/>
        <source>Enter text ...</source>
        <translation>Enter text ...</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../src/keyassign/dkeywithtextpage.cpp" line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dkeywithtextpage.cpp" line="+1"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Keyboard Light</translation>
    </message>
    <message>
        <location line="+30"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="-29"/>
        <source>Overall light</source>
        <translation>Overall light</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Interaction light</source>
        <translation>Interaction light</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>All light</source>
        <translation>All light</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Static</source>
        <translation>Static</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Brightness +</source>
        <translation>Brightness +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Brightness -</source>
        <translation>Brightness -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Speed +</source>
        <translation>Speed +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Speed -</source>
        <translation>Speed -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Direction +1</source>
        <translation>Direction +1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Direction -1</source>
        <translation>Direction -1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Direction Loop</source>
        <translation>Direction Loop</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Into full color</source>
        <translation>Into full color</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Top color changed</source>
        <translation>Top color changed</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Bottom color changed</source>
        <translation>Bottom color changed</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Close all</source>
        <translation>Close all</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Close back light</source>
        <translation>Close back light</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Stop back light</source>
        <translation>Stop back light</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Light recording</source>
        <translation>Light recording</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Custom 1</source>
        <translation>Custom 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Custom 2</source>
        <translation>Custom 2</translation>
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
        <translation>Type:</translation>
    </message>
    <message>
        <location line="+411"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Brightness:</source>
        <translation>Brightness:</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Speed:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Direction:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <location line="+138"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Light mode</source>
        <translation>Light mode</translation>
    </message>
    <message>
        <location line="+72"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Full color</source>
        <translation>Full color</translation>
    </message>
    <message>
        <location line="+49"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Top color</source>
        <translation>Top color</translation>
    </message>
    <message>
        <location line="+45"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Bottom color</source>
        <translation>Bottom color</translation>
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
        <translation>Custom light</translation>
    </message>
    <message>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="-8"/>
        <location line="+155"/>
        <location line="+9"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+18"/>
        <location line="+21"/>
        <source>Static</source>
        <translation>Static</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-18"/>
        <location line="+22"/>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+9"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-24"/>
        <location line="+21"/>
        <source>Breath</source>
        <translation>Breath</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-20"/>
        <location line="+21"/>
        <source>Wave</source>
        <translation>Wave</translation>
    </message>
    <message>
        <location line="-8"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-14"/>
        <source>Twinkle</source>
        <translation>Twinkle</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-4"/>
        <source>Snake</source>
        <translation>Snake</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-1"/>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+10"/>
        <source>Auto Ripple</source>
        <translation>Auto Ripple</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+1"/>
        <source>Striation</source>
        <translation>Striation</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-8"/>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+1"/>
        <source>Ripple</source>
        <translation>Ripple</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-2"/>
        <source>Reactive</source>
        <translation>Reactive</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+5"/>
        <source>Cross</source>
        <translation>Cross</translation>
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
        <translation>Fireworks</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-4"/>
        <source>Speed Respond</source>
        <translation>Speed Respond</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+5"/>
        <source>Musical Rhythm</source>
        <translation>Musical Rhythm</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-7"/>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+14"/>
        <source>Collision</source>
        <translation>Collision</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+2"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Keyboard/Ambient</source>
        <translation>Keyboard/Ambient</translation>
    </message>
    <message>
        <location filename="../src/lighting/dlightsconfigpage_custom.cpp" line="+135"/>
        <source>Two custom lights must be in use to swap one</source>
        <translation>Two custom lights must be in use to swap one</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The custom light could not be saved</source>
        <translation>The custom light could not be saved</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Custom light name can&apos;t be empty</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modify custom light name successful</source>
        <translation>Modify custom light name successful</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modify custom light name failed</source>
        <translation>Modify custom light name failed</translation>
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
        <translation>Login</translation>
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
        <translation>Play Type</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+1"/>
        <source>Play once</source>
        <translation>Play once</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+2"/>
        <source>Continous playback on/off</source>
        <translation>Continuous playback on/off</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="-1"/>
        <source>Play multiple times</source>
        <translation>Play multiple times</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+2"/>
        <source>Play while assigned key is pressed</source>
        <translation>Play while assigned key is pressed</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+1"/>
        <source>Play Number</source>
        <translation>Play Number</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+1"/>
        <source>Play Number 1,2,3...</source>
        <translation>Play Number 1,2,3...</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+1"/>
        <source>Assign Macro</source>
        <translation>Assign Macro</translation>
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
        <translation>Binding</translation>
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
        <translation>Macro Record</translation>
    </message>
    <message>
        <location line="+149"/>
        <source>Macro Group</source>
        <translation>Macro Group</translation>
    </message>
    <message>
        <location line="+247"/>
        <source>Delay Setting</source>
        <translation>Delay Setting</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Recording delay</source>
        <translation>Recording delay</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No delay</source>
        <translation>No delay</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Default delay</source>
        <translation>Default delay</translation>
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
        <translation>Record</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Event List</source>
        <translation>Event List</translation>
    </message>
    <message>
        <location line="+263"/>
        <source>Record is empty</source>
        <translation>Record is empty</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Insert Event</source>
        <translation>Insert Event</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Insert event after</source>
        <translation>Insert event after</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Insert event before</source>
        <translation>Insert event before</translation>
    </message>
    <message>
        <location line="+47"/>
        <location line="+566"/>
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message>
        <location line="-532"/>
        <location line="+566"/>
        <source>Keyboard Event</source>
        <translation>Keyboard Event</translation>
    </message>
    <message>
        <location line="-556"/>
        <location line="+566"/>
        <source>Mouse Event</source>
        <translation>Mouse Event</translation>
    </message>
    <message>
        <location line="-559"/>
        <location line="+424"/>
        <source>Delay</source>
        <translation>Delay</translation>
    </message>
    <message>
        <location line="-364"/>
        <source>Operate</source>
        <translation>Operate</translation>
    </message>
    <message>
        <location line="+38"/>
        <location line="+540"/>
        <location filename="../src/macro/dmacropage_events.cpp" line="+138"/>
        <location line="+59"/>
        <location line="+19"/>
        <source>Please enter a key</source>
        <translation>Please enter a key</translation>
    </message>
    <message>
        <location line="-514"/>
        <location line="+601"/>
        <source>Left Click</source>
        <translation>Left Click</translation>
    </message>
    <message>
        <location line="-578"/>
        <location line="+598"/>
        <source>Center Click</source>
        <translation>Center Click</translation>
    </message>
    <message>
        <location line="-578"/>
        <location line="+598"/>
        <source>Right Click</source>
        <translation>Right Click</translation>
    </message>
    <message>
        <location line="-566"/>
        <source>Please enter delay number</source>
        <translation>Please enter delay number</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Property</source>
        <translation>Property</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <location line="+167"/>
        <source>Press Key</source>
        <translation>Press Key</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <location line="+131"/>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <location filename="../src/macro/dmacropage.cpp" line="+24"/>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/macro/dmacropage_recording.cpp" line="+68"/>
        <source>Start record</source>
        <translation>Start record</translation>
    </message>
    <message>
        <location line="+248"/>
        <source>Macro name can&apos;t be empty</source>
        <translation>Macro name can&apos;t be empty</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modify macro name successful</source>
        <translation>Modify macro name successful</translation>
    </message>
    <message>
        <location filename="../src/macro/dmacropage_events.cpp" line="-83"/>
        <location line="+55"/>
        <location line="+137"/>
        <source>Please select a specific location first</source>
        <translation>Please select a specific location first</translation>
    </message>
    <message>
        <location line="-182"/>
        <location filename="../src/macro/dmacropage_recording.cpp" line="+82"/>
        <location line="+11"/>
        <location line="+37"/>
        <location line="+58"/>
        <source>The record of events has reached the limit</source>
        <translation>The record of events has reached the limit</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Insert failed</source>
        <translation>Insert failed</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Insert successful</source>
        <translation>Insert successful</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Modify failed</source>
        <translation>Modify failed</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Modify successful</source>
        <translation>Modify successful</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Delete failed</source>
        <translation>Delete failed</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Please select a macro first</source>
        <translation>Please select a macro first</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clear record macro failed</source>
        <translation>Clear record macro failed</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear record macro successful</source>
        <translation>Clear record macro successful</translation>
    </message>
    <message>
        <location filename="../src/macro/dmacropage_list.cpp" line="+37"/>
        <location line="+8"/>
        <source>Add macro failed</source>
        <translation>Add macro failed</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add macro successful</source>
        <translation>Add macro successful</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Delete macro</source>
        <translation>Delete macro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keys of the current profile still play the macro &quot;%1&quot;. Delete it anyway? Those keys keep playing the macro as it is now.</source>
        <translation>Keys of the current profile still play the macro &quot;%1&quot;. Delete it anyway? Those keys keep playing the macro as it is now.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Delete macro failed</source>
        <translation>Delete macro failed</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Delete macro successful</source>
        <translation>Delete macro successful</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Save directory</source>
        <translation>Save directory</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select save directory first</source>
        <translation>Please select save directory first</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+8"/>
        <location line="+8"/>
        <source>Export macro failed</source>
        <translation>Export macro failed</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export macro successful</source>
        <translation>Export macro successful</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open macro file</source>
        <translation>Open macro file</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Macro files(*.xml)</source>
        <translation>Macro files(*.xml)</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+8"/>
        <location line="+7"/>
        <location line="+13"/>
        <source>Import macro failed</source>
        <translation>Import macro failed</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Import macro successful</source>
        <translation>Import macro successful</translation>
    </message>
    <message>
        <location filename="../src/macro/dmacropage_recording.cpp" line="-188"/>
        <source>Stop record</source>
        <translation>Stop record</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Start record macro</source>
        <translation>Start record macro</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Stop record macro</source>
        <translation>Stop record macro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saving the recorded events failed</source>
        <translation>Saving the recorded events failed</translation>
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
        <translation>Settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The settings file was damaged and has been reset; the damaged copy was kept as %1</source>
        <translation>The settings file was damaged and has been reset; the damaged copy was kept as %1</translation>
    </message>
    <message>
        <location line="+314"/>
        <source>Update Firmware</source>
        <translation>Update Firmware</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Minimize(&amp;N)</source>
        <translation>Minimize(&amp;N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maximize(&amp;X)</source>
        <translation>Maximize(&amp;X)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revert(&amp;R)</source>
        <translation>Revert(&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit(&amp;Q)</source>
        <translation>Quit(&amp;Q)</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>Keyboard service failed to start</source>
        <translation>Keyboard service failed to start</translation>
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
        <translation>Mouse Key</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="-18"/>
        <source>Mouse Left</source>
        <translation>Mouse Left</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+1"/>
        <source>Mouse Center</source>
        <translation>Mouse Center</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+1"/>
        <source>Mouse Right</source>
        <translation>Mouse Right</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+4"/>
        <source>Backward</source>
        <translation>Backward</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="-1"/>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+3"/>
        <source>Sniper Key</source>
        <translation>Sniper Key</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="-4"/>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="-1"/>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
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
        <translation>Multimedia</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-21"/>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+3"/>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-2"/>
        <source>Next track</source>
        <translation>Next track</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Prev track</source>
        <translation>Prev track</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-5"/>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+5"/>
        <source>Player</source>
        <translation>Player</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Calculator</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+2"/>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-1"/>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+4"/>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-2"/>
        <source>Screen brightness+</source>
        <translation>Screen brightness+</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Screen brightness-</source>
        <translation>Screen brightness-</translation>
    </message>
</context>
<context>
    <name>DOnboardDownload</name>
    <message>
        <location filename="../src/device/link/donboarddownload.cpp" line="+33"/>
        <source>Download config successful</source>
        <translation>Download config successful</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Download config failed, Please try again</source>
        <translation>Download config failed, Please try again</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Please wait until the download has finished</source>
        <translation>Please wait until the download has finished</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Cannot read %1: nothing was written to the keyboard</source>
        <translation>Cannot read %1: nothing was written to the keyboard</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Too many macro keys (at most %1)</source>
        <translation>Too many macro keys (at most %1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A macro has more than %1 events</source>
        <translation>A macro has more than %1 events</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Too many advanced keys (at most %1)</source>
        <translation>Too many advanced keys (at most %1)</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <location filename="../src/trigger/dperformancepage.cpp" line="+62"/>
        <source>If Win Lock is on:</source>
        <translation>If Win Lock is on:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable Windows key</source>
        <translation>Disable Windows key</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable SHIFT+TAB</source>
        <translation>Disable SHIFT+TAB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable ALT+TAB</source>
        <translation>Disable ALT+TAB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable ALT+F4</source>
        <translation>Disable ALT+F4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light into sleep:</source>
        <translation>Light into sleep:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Second</source>
        <translation>Second</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard into sleep:</source>
        <translation>Keyboard into sleep:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prohibit Sleep</source>
        <translation>Prohibit Sleep</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Submit</source>
        <translation>Submit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard properties</source>
        <translation>Keyboard properties</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset current profile</source>
        <translation>Reset current profile</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <location filename="../src/device/dprofilemenutoolwidget.cpp" line="+23"/>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Modify Name</source>
        <translation>Modify Name</translation>
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
        <translation>Light Press</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/keyassign/dresetdefaultpage.cpp" line="+1"/>
        <source>Heavy Press</source>
        <translation>Heavy Press</translation>
    </message>
    <message>
        <location line="+23"/>
        <location filename="../src/keyassign/dresetdefaultpage.cpp" line="-4"/>
        <source>Default</source>
        <translation>Default</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dresetdefaultpage.cpp" line="+1"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Senior Keys</translation>
    </message>
    <message>
        <location filename="../src/keyassign/dseniorkeysbindingpage.cpp" line="+4"/>
        <location line="+44"/>
        <source>(missing)</source>
        <translation>(missing)</translation>
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
        <translation>Senior Keys</translation>
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
        <translation>Create</translation>
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
        <translation>The key has two functions: holding down the key is one type, and clicking the key is one type.</translation>
    </message>
    <message>
        <location line="+65"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="-4"/>
        <source>Hold</source>
        <translation>Hold</translation>
    </message>
    <message>
        <location line="+69"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+1"/>
        <source>Click</source>
        <translation>Click</translation>
    </message>
    <message>
        <location line="+88"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+1"/>
        <source>Hold Duration</source>
        <translation>Hold Duration</translation>
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
        <translation>Click this key to switch continuous triggering on or off.</translation>
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
        <translation>Senior keys is empty</translation>
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
        <translation>Single Key</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+1"/>
        <source>Key Combination</source>
        <translation>Key Combination</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>#scrollAreaWidgetContents_3{background-color:rgb(34, 34, 58);}</source>
        <translation>#scrollAreaWidgetContents_3{background-color:rgb(34, 34, 58);}</translation>
    </message>
    <message>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+372"/>
        <source>The number of senior keys has reached the maximum</source>
        <translation>The number of senior keys has reached the maximum</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+6"/>
        <location line="+32"/>
        <location line="+20"/>
        <source>Operate failed</source>
        <translation>Operate failed</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Create senior keys successful</source>
        <translation>Create senior keys successful</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Keys are still bound to this senior key. Delete it anyway?</source>
        <translation>Keys are still bound to this senior key. Delete it anyway?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Delete senior keys successful</source>
        <translation>Delete senior keys successful</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <location filename="../src/advancedkeys/dseniorkeysrecordexplaindia.ui" line="+14"/>
        <source>Explain</source>
        <translation>Explain</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Single Key / Key Combination</source>
        <translation>Single Key / Key Combination</translation>
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
        <translation>Settings</translation>
    </message>
    <message>
        <location line="+111"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <location line="+60"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <location line="+47"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <location line="+35"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Background image</source>
        <translation>Background image</translation>
    </message>
    <message>
        <location line="+35"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Auto start</source>
        <translation>Auto start</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Launch applications when the system starts (Minimized)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Close startup to tray</source>
        <translation>Close startup to tray</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Firmware upgrade check</source>
        <translation>Firmware upgrade check</translation>
    </message>
    <message>
        <location line="+160"/>
        <source>Application software</source>
        <translation>Application software</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>Check Update</source>
        <translation>Check Update</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="-120"/>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pink</source>
        <translation>Pink</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <location line="+153"/>
        <source>Set config success</source>
        <translation>Set config success</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set config failed</source>
        <translation>Set config failed</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>No upgradeable devices found</source>
        <translation>No upgradeable devices found</translation>
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
        <translation>Atmosphere Light</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="-21"/>
        <source>All light</source>
        <translation>All light</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Overall light</source>
        <translation>Overall light</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Interaction light</source>
        <translation>Interaction light</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Brightness +</source>
        <translation>Brightness +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Brightness -</source>
        <translation>Brightness -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Speed +</source>
        <translation>Speed +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Speed -</source>
        <translation>Speed -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Into full color</source>
        <translation>Into full color</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Top color changed</source>
        <translation>Top color changed</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Bottom color changed</source>
        <translation>Bottom color changed</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Close side light</source>
        <translation>Close side light</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Stop side light</source>
        <translation>Stop side light</translation>
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
        <translation>Trigger points for DKS actions</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <location filename="../src/advancedkeys/dstrokeconfigview.cpp" line="+90"/>
        <source>Operate failed</source>
        <translation>Operate failed</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <location filename="../src/trigger/dtriggersettingpage.cpp" line="+116"/>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Sensitivity of pressing and releasing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quick trigger</source>
        <translation>Quick trigger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key calibration mode</source>
        <translation>Key calibration mode</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Start calibration</source>
        <translation>Start calibration</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All keys calibration</source>
        <translation>All keys calibration</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press</source>
        <translation>Press</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Trigger</source>
        <translation>Trigger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>The keyboard has not reported its key travel yet, please wait a moment</source>
        <translation>The keyboard has not reported its key travel yet, please wait a moment</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <location filename="../src/firmware/dupdatefirmwaredia.cpp" line="+65"/>
        <source>Update Firmware</source>
        <translation>Update Firmware</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>If the firmware is being updated, do not unplug the device!</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>DUpdateFirmwareDia</source>
        <translation>DUpdateFirmwareDia</translation>
    </message>
    <message>
        <location line="+211"/>
        <source>Update successful</source>
        <translation>Update successful</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Update failed</source>
        <translation>Update failed</translation>
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
        <translation>Virtual Keyboard</translation>
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
        <translation>Software exit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Conflict, software out of operation!</source>
        <translation>Conflict, software out of operation!</translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="+56"/>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next track</source>
        <translation>Next track</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prev track</source>
        <translation>Prev track</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Player</source>
        <translation>Player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calculator</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Screen brightness+</source>
        <translation>Screen brightness+</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Screen brightness-</source>
        <translation>Screen brightness-</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mouse Left</source>
        <translation>Mouse Left</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mouse Center</source>
        <translation>Mouse Center</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mouse Right</source>
        <translation>Mouse Right</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backward</source>
        <translation>Backward</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sniper Key</source>
        <translation>Sniper Key</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close window</source>
        <translation>Close window</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Switch windows</source>
        <translation>Switch windows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show desktop</source>
        <translation>Show desktop</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>My computer</source>
        <translation>My computer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock computer</source>
        <translation>Lock computer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>Overall light</source>
        <translation>Overall light</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+4"/>
        <source>Interaction light</source>
        <translation>Interaction light</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+4"/>
        <source>All light</source>
        <translation>All light</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Static</source>
        <translation>Static</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Brightness +</source>
        <translation>Brightness +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brightness -</source>
        <translation>Brightness -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed +</source>
        <translation>Speed +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed -</source>
        <translation>Speed -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Direction +1</source>
        <translation>Direction +1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Direction -1</source>
        <translation>Direction -1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Direction Loop</source>
        <translation>Direction Loop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Into full color</source>
        <translation>Into full color</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top color changed</source>
        <translation>Top color changed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom color changed</source>
        <translation>Bottom color changed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom 1</source>
        <translation>Custom 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom 2</source>
        <translation>Custom 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock/Unlock Win</source>
        <translation>Lock/Unlock Win</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock win</source>
        <translation>Lock win</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unlock win</source>
        <translation>Unlock win</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default layer</source>
        <translation>Default layer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FN layer</source>
        <translation>FN layer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FN1 layer</source>
        <translation>FN1 layer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>2.4G switching</source>
        <translation>2.4G switching</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB switching</source>
        <translation>USB switching</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Lock keyboard</source>
        <translation>Lock keyboard</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Power query</source>
        <translation>Power query</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Close all</source>
        <translation>Close all</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close back light</source>
        <translation>Close back light</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop back light</source>
        <translation>Stop back light</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Light recording</source>
        <translation>Light recording</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Close side light</source>
        <translation>Close side light</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop side light</source>
        <translation>Stop side light</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.cpp" line="+93"/>
        <location line="+525"/>
        <source>Device List</source>
        <translation>Device List</translation>
    </message>
    <message>
        <location line="-524"/>
        <location line="+525"/>
        <source>Device not connected</source>
        <translation>Device not connected</translation>
    </message>
    <message>
        <location line="-524"/>
        <location line="+525"/>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <location line="-306"/>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Key calibration in progress, please wait a moment</translation>
    </message>
    <message>
        <location line="+136"/>
        <source>Key Custom</source>
        <translation>Key Custom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light Setting</source>
        <translation>Light Setting</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Performance</source>
        <translation>Performance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trigger Setting</source>
        <translation>Trigger Setting</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Senior Keys</source>
        <translation>Senior Keys</translation>
    </message>
    <message>
        <location line="+166"/>
        <location line="+32"/>
        <source>All keys calibration in progress ...</source>
        <translation>All keys calibration in progress ...</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_opening.cpp" line="+157"/>
        <source>The device is offline</source>
        <translation>The device is offline</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The device has been turned on</source>
        <translation>The device has been turned on</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profiles.cpp" line="-77"/>
        <source>Device not responding, please reconnect</source>
        <translation>Device not responding, please reconnect</translation>
    </message>
    <message>
        <location filename="../src/keyboardview/keyselectframe.cpp" line="+231"/>
        <source>Cannot remapped</source>
        <translation>Cannot be remapped</translation>
    </message>
    <message>
        <location filename="../src/advancedkeys/dseniorkeysrecordexplaindia.cpp" line="+23"/>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>The key has two functions: holding down the key is one type, and clicking the key is one type.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Click this key to switch continuous triggering on or off.</translation>
    </message>
    <message>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="-323"/>
        <source>The device has no atmosphere lamp</source>
        <translation>The device has no atmosphere lamp</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <location filename="../src/keyboardview/keycatalogue.cpp" line="+92"/>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Korean/English</source>
        <translation>Korean/English</translation>
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
        <translation>1.Explain</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.Explain</source>
        <translation>2.Explain</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.Explain</source>
        <translation>3.Explain</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4.Explain</source>
        <translation>4.Explain</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5.Explain</source>
        <translation>5.Explain</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Explain</source>
        <translation>Explain</translation>
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
        <translation>If Win Lock is on:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable Windows key</source>
        <translation>Disable Windows key</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable SHIFT+TAB</source>
        <translation>Disable SHIFT+TAB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable ALT+TAB</source>
        <translation>Disable ALT+TAB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable ALT+F4</source>
        <translation>Disable ALT+F4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light into sleep:</source>
        <translation>Light into sleep:</translation>
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
        <translation>Second</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard into sleep:</source>
        <translation>Keyboard into sleep:</translation>
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
        <translation>Minute</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prohibit Sleep</source>
        <translation>Prohibit Sleep</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Submit</source>
        <translation>Submit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard properties</source>
        <translation>Keyboard properties</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset current profile</source>
        <translation>Reset current profile</translation>
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
        <translation>Quick trigger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Secondary sensitivity</source>
        <translation>Secondary sensitivity</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press/Release</source>
        <translation>Press/Release</translation>
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
        <translation>Press</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key anti shake</source>
        <translation>Key anti shake</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate return</source>
        <translation>Rate return</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Into calibration mode</source>
        <translation>Into calibration mode</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+3"/>
        <source>Start calibration</source>
        <translation>Start calibration</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>All keys calibration</source>
        <translation>All keys calibration</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Intensity tracking</source>
        <translation>Intensity tracking</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset sensitivity</source>
        <translation>Reset sensitivity</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <location filename="../src/firmware/updatefirmwareinfoitem.cpp" line="+60"/>
        <source>Product name:</source>
        <translation>Product name:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update progress:</source>
        <translation>Update progress:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current version:</source>
        <translation>Current version:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New version:</source>
        <translation>New version:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete</source>
        <translation>Complete</translation>
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
        <translation>Export</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/macro/macromenutoolwidget.cpp" line="-1"/>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/macro/macromenutoolwidget.cpp" line="+2"/>
        <source>Modify Name</source>
        <translation>Modify Name</translation>
    </message>
</context>
</TS>
