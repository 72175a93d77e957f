<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en_US">
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
        <translation>تركيبة مفاتيح</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/keyboardview/dallkeysshowpage.cpp" line="+1"/>
        <source>Normal Keys</source>
        <translation>مفاتيح عادية</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/keyboardview/dallkeysshowpage.cpp" line="+1"/>
        <source>Special Keys</source>
        <translation>مفاتيح خاصة</translation>
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
        <translation>نقرة يسرى</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Center Click</source>
        <translation>نقرة وسطى</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right Click</source>
        <translation>نقرة يمنى</translation>
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
        <translation>تعيين ملف تعريف</translation>
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
        <translation>ضغط خفيف</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Heavy Press</source>
        <translation>ضغط قوي</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/keyassign/dchangekeypage.cpp" line="+23"/>
        <source>Remap Key</source>
        <translation>إعادة تعيين مفتاح</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../src/keyassign/dchangekeypage.cpp" line="+1"/>
        <source>Remap with key?</source>
        <translation>التعيين إلى أي مفتاح؟</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <location filename="../src/widgets/dcustomeventtipexplain.cpp" line="+28"/>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <location filename="../src/keyassign/dcustomkeyspage.ui" line="+80"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+277"/>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <location line="+467"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+1"/>
        <source>Function:</source>
        <translation>الوظيفة:</translation>
    </message>
    <message>
        <location line="+303"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+1"/>
        <source>Key</source>
        <translation>المفتاح</translation>
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
        <translation>الطبقة الافتراضية</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+1"/>
        <source>FN layer</source>
        <translation>طبقة FN</translation>
    </message>
    <message>
        <location line="+37"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+1"/>
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="-212"/>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Macro</source>
        <translation>ماكرو</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remap Key</source>
        <translation>إعادة تعيين مفتاح</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mouse</source>
        <translation>الماوس</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Multimedia</source>
        <translation>الوسائط المتعددة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key Combination</source>
        <translation>تركيبة مفاتيح</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shortcuts</source>
        <translation>اختصارات</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch Profile</source>
        <translation>تبديل ملف التعريف</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Launch Application</source>
        <translation>تشغيل تطبيق</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keyboard Light</source>
        <translation>إضاءة لوحة المفاتيح</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Atmosphere Light</source>
        <translation>الإضاءة المحيطة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key Config</source>
        <translation>إعدادات المفاتيح</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Senior Keys</source>
        <translation>مفاتيح متقدمة</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>Operate successful</source>
        <translation>تمت العملية بنجاح</translation>
    </message>
    <message>
        <location line="+166"/>
        <location line="+182"/>
        <source>Please select one Key first</source>
        <translation>يرجى تحديد مفتاح أولاً</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Operate failed</source>
        <translation>فشلت العملية</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting failed because the text is empty</source>
        <translation>فشل الإعداد لأن النص فارغ</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unknow</source>
        <translation>غير معروف</translation>
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
        <translation>عنصر إضاءة مخصصة</translation>
    </message>
</context>
<context>
    <name>DDataManager</name>
    <message>
        <location filename="../src/app/ddatamanager.cpp" line="+35"/>
        <source>Unknow</source>
        <translation>غير معروف</translation>
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
        <translation>قائمة الأجهزة</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>link</source>
        <translation>رابط</translation>
    </message>
    <message>
        <location line="+268"/>
        <source>Reset</source>
        <translation>إعادة تعيين</translation>
    </message>
    <message>
        <location line="+303"/>
        <source>Test</source>
        <translation>اختبار</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Change</source>
        <translation>تغيير</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Keyboard</source>
        <translation>لوحة المفاتيح</translation>
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
        <translation>الجهاز غير متصل</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="+102"/>
        <location line="+173"/>
        <source>The number of profile has reached the maximum</source>
        <translation>وصل عدد ملفات التعريف إلى الحد الأقصى</translation>
    </message>
    <message>
        <location line="-166"/>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>فشل الإنشاء، هذا الموضع مستخدم بالفعل، يرجى التحقق</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Create profile failed</source>
        <translation>فشل إنشاء ملف التعريف</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Create profile successful</source>
        <translation>تم إنشاء ملف التعريف بنجاح</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Need keep at least one profile</source>
        <translation>يجب الاحتفاظ بملف تعريف واحد على الأقل</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Delete profile failed</source>
        <translation>فشل حذف ملف التعريف</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Delete profile successful</source>
        <translation>تم حذف ملف التعريف بنجاح</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Profile name can&apos;t empty</source>
        <translation>لا يمكن أن يكون اسم ملف التعريف فارغاً</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Modify profile info failed</source>
        <translation>فشل تعديل معلومات ملف التعريف</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modify profile info successful</source>
        <translation>تم تعديل معلومات ملف التعريف بنجاح</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Save directory</source>
        <translation>مجلد الحفظ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select save directory first</source>
        <translation>يرجى تحديد مجلد الحفظ أولاً</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This index node non-existent</source>
        <translation>هذا الموضع غير موجود</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Export profile successful</source>
        <translation>تم تصدير ملف التعريف بنجاح</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export profile failed</source>
        <translation>فشل تصدير ملف التعريف</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open profile file</source>
        <translation>فتح ملف تعريف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile files(*.xml)</source>
        <translation>ملفات التعريف(*.xml)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select import file first</source>
        <translation>يرجى تحديد ملف الاستيراد أولاً</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Import profile successful</source>
        <translation>تم استيراد ملف التعريف بنجاح</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Import profile failed</source>
        <translation>فشل استيراد ملف التعريف</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Tip</source>
        <translation>تنبيه</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Whether to reset the current profile?</source>
        <translation>هل تريد إعادة تعيين ملف التعريف الحالي؟</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+6"/>
        <source>Operate failed</source>
        <translation>فشلت العملية</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Operate successful</source>
        <translation>تمت العملية بنجاح</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_lighting.cpp" line="+94"/>
        <source>The custom light could not be saved</source>
        <translation>تعذّر حفظ الإضاءة المخصصة</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profiles.cpp" line="+97"/>
        <source>The profile folder %1 cannot be created; profiles cannot be saved</source>
        <translation>تعذّر إنشاء مجلد ملفات التعريف %1؛ لا يمكن حفظ ملفات التعريف</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The profile file was damaged and has been reset; the damaged copy was kept as %1</source>
        <translation>كان ملف التعريف تالفاً وتمت إعادة تعيينه؛ واحتُفظ بالنسخة التالفة باسم %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Profiles</source>
        <translation>ملفات التعريف</translation>
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
        <translation>معلومات البرنامج الثابت</translation>
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
        <translation>اختصارات</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-18"/>
        <source>Show desktop</source>
        <translation>إظهار سطح المكتب</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-1"/>
        <source>Close window</source>
        <translation>إغلاق النافذة</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+3"/>
        <source>Lock computer</source>
        <translation>قفل الكمبيوتر</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-1"/>
        <source>My computer</source>
        <translation>جهاز الكمبيوتر</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+2"/>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+2"/>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+1"/>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-2"/>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+5"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-1"/>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-1"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <location filename="../src/trigger/dkeycalibrationexplaindia.cpp" line="+112"/>
        <source>1.Into key calibration mode first;</source>
        <translation>1. ادخل وضع معايرة المفاتيح أولاً؛</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.Select one key;</source>
        <translation>2. حدد مفتاحاً واحداً؛</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. انقر على &quot;بدء المعايرة&quot;؛</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4.Press the selected key;</source>
        <translation>4. اضغط المفتاح المحدد؛</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5.Return key calibration results;</source>
        <translation>5. تُعرض نتائج معايرة المفتاح؛</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Set the required press key duration for triggering.</source>
        <translation>اضبط مدة الضغط المطلوبة على المفتاح للتفعيل.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>عند تفعيل معايرة جميع المفاتيح، يرجى الضغط على جميع المفاتيح لإكمال المعايرة.</translation>
    </message>
</context>
<context>
    <name>DKeyCapturePage</name>
    <message>
        <location filename="../src/keyassign/dkeycapturepage.cpp" line="+66"/>
        <source>Light Press</source>
        <translation>ضغط خفيف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heavy Press</source>
        <translation>ضغط قوي</translation>
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
        <translation>ضغط خفيف</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Heavy Press</source>
        <translation>ضغط قوي</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/keyassign/dkeycombinationpage.cpp" line="+25"/>
        <source>Key Combination</source>
        <translation>تركيبة مفاتيح</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../src/keyassign/dkeycombinationpage.cpp" line="+1"/>
        <source>Enter key?</source>
        <translation>أدخل مفتاحاً</translation>
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
        <translation>إعدادات المفاتيح</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Switch loop</source>
        <translation>تبديل دوري</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="-22"/>
        <source>Lock win</source>
        <translation>قفل Win</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Unlock win</source>
        <translation>إلغاء قفل Win</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Lock keyboard</source>
        <translation>قفل لوحة المفاتيح</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Power query</source>
        <translation>عرض مستوى البطارية</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Default layer</source>
        <translation>الطبقة الافتراضية</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>FN layer</source>
        <translation>طبقة FN</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>FN1 layer</source>
        <translation>طبقة FN1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+2"/>
        <source>USB switching</source>
        <translation>التبديل إلى USB</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>2.4G switching</source>
        <translation>التبديل إلى 2.4G</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Bluetooth 1</source>
        <translation>بلوتوث 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Bluetooth 2</source>
        <translation>بلوتوث 2</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Bluetooth 3</source>
        <translation>بلوتوث 3</translation>
    </message>
    <message>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="-13"/>
        <source>Lock/Unlock Win</source>
        <translation>قفل/إلغاء قفل Win</translation>
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
        <translation>تعطيل</translation>
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
        <translation>موافق</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dkeydisablepage.cpp" line="+1"/>
        <source>Cancel</source>
        <translation>إلغاء</translation>
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
        <translation>اختيار تطبيق</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dkeywithapppage.cpp" line="-30"/>
        <source>Please select the path where your app is located</source>
        <translation>يرجى تحديد مسار التطبيق</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../src/keyassign/dkeywithapppage.cpp" line="+1"/>
        <source>Select application</source>
        <translation>اختيار التطبيق</translation>
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
        <translation>نص</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/keyassign/dkeywithtextpage.cpp" line="+1"/>
        <source>Enter text ...</source>
        <translation>أدخل النص ...</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../src/keyassign/dkeywithtextpage.cpp" line="+1"/>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dkeywithtextpage.cpp" line="+1"/>
        <source>Cancel</source>
        <translation>إلغاء</translation>
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
        <translation>إضاءة لوحة المفاتيح</translation>
    </message>
    <message>
        <location line="+30"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="-29"/>
        <source>Overall light</source>
        <translation>الإضاءة الكلية</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Interaction light</source>
        <translation>الإضاءة التفاعلية</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>All light</source>
        <translation>كل الإضاءة</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Static</source>
        <translation>ثابت</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Brightness +</source>
        <translation>السطوع +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Brightness -</source>
        <translation>السطوع -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Speed +</source>
        <translation>السرعة +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Speed -</source>
        <translation>السرعة -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Direction +1</source>
        <translation>الاتجاه +1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Direction -1</source>
        <translation>الاتجاه -1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Direction Loop</source>
        <translation>تدوير الاتجاه</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Into full color</source>
        <translation>وضع الألوان الكاملة</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Top color changed</source>
        <translation>تغيير اللون العلوي</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Bottom color changed</source>
        <translation>تغيير اللون السفلي</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Close all</source>
        <translation>إيقاف الكل</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Close back light</source>
        <translation>إيقاف الإضاءة الخلفية</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Stop back light</source>
        <translation>إيقاف مؤقت للإضاءة الخلفية</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Light recording</source>
        <translation>تسجيل الإضاءة</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Custom 1</source>
        <translation>مخصص 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Custom 2</source>
        <translation>مخصص 2</translation>
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
        <translation>النوع:</translation>
    </message>
    <message>
        <location line="+411"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Brightness:</source>
        <translation>السطوع:</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Speed:</source>
        <translation>السرعة:</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Direction:</source>
        <translation>الاتجاه:</translation>
    </message>
    <message>
        <location line="+138"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Light mode</source>
        <translation>وضع الإضاءة</translation>
    </message>
    <message>
        <location line="+72"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Full color</source>
        <translation>ألوان كاملة</translation>
    </message>
    <message>
        <location line="+49"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Top color</source>
        <translation>اللون العلوي</translation>
    </message>
    <message>
        <location line="+45"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Bottom color</source>
        <translation>اللون السفلي</translation>
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
        <translation>إضاءة مخصصة</translation>
    </message>
    <message>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="-8"/>
        <location line="+155"/>
        <location line="+9"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+18"/>
        <location line="+21"/>
        <source>Static</source>
        <translation>ثابت</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-18"/>
        <location line="+22"/>
        <source>Neon</source>
        <translation>نيون</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+9"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-24"/>
        <location line="+21"/>
        <source>Breath</source>
        <translation>تنفّس</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-20"/>
        <location line="+21"/>
        <source>Wave</source>
        <translation>موجة</translation>
    </message>
    <message>
        <location line="-8"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-14"/>
        <source>Twinkle</source>
        <translation>وميض</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-4"/>
        <source>Snake</source>
        <translation>ثعبان</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-1"/>
        <source>Radar</source>
        <translation>رادار</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+10"/>
        <source>Auto Ripple</source>
        <translation>تموّج تلقائي</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+1"/>
        <source>Striation</source>
        <translation>خطوط</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-8"/>
        <source>Aurora</source>
        <translation>شفق</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+1"/>
        <source>Ripple</source>
        <translation>تموّج</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-2"/>
        <source>Reactive</source>
        <translation>تفاعلي</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+5"/>
        <source>Cross</source>
        <translation>تقاطع</translation>
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
        <translation>ألعاب نارية</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-4"/>
        <source>Speed Respond</source>
        <translation>استجابة السرعة</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+5"/>
        <source>Musical Rhythm</source>
        <translation>إيقاع الموسيقى</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-7"/>
        <source>Custom</source>
        <translation>مخصص</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+14"/>
        <source>Collision</source>
        <translation>تصادم</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+2"/>
        <source>Close</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Keyboard/Ambient</source>
        <translation>لوحة المفاتيح/المحيطة</translation>
    </message>
    <message>
        <location filename="../src/lighting/dlightsconfigpage_custom.cpp" line="+135"/>
        <source>Two custom lights must be in use to swap one</source>
        <translation>يجب استخدام إضاءتين مخصصتين لتبديل إحداهما</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The custom light could not be saved</source>
        <translation>تعذّر حفظ الإضاءة المخصصة</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Custom light name can&apos;t be empty</source>
        <translation>لا يمكن أن يكون اسم الإضاءة المخصصة فارغاً</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modify custom light name successful</source>
        <translation>تم تعديل اسم الإضاءة المخصصة بنجاح</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modify custom light name failed</source>
        <translation>فشل تعديل اسم الإضاءة المخصصة</translation>
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
        <translation>تسجيل الدخول</translation>
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
        <translation>نوع التشغيل</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+1"/>
        <source>Play once</source>
        <translation>تشغيل مرة واحدة</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+2"/>
        <source>Continous playback on/off</source>
        <translation>تشغيل/إيقاف التشغيل المتواصل</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="-1"/>
        <source>Play multiple times</source>
        <translation>تشغيل عدة مرات</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+2"/>
        <source>Play while assigned key is pressed</source>
        <translation>التشغيل طوال الضغط على المفتاح المعيّن</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+1"/>
        <source>Play Number</source>
        <translation>عدد مرات التشغيل</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+1"/>
        <source>Play Number 1,2,3...</source>
        <translation>عدد مرات التشغيل 1,2,3...</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+1"/>
        <source>Assign Macro</source>
        <translation>تعيين ماكرو</translation>
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
        <translation>ربط</translation>
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
        <translation>تسجيل الماكرو</translation>
    </message>
    <message>
        <location line="+149"/>
        <source>Macro Group</source>
        <translation>مجموعة الماكرو</translation>
    </message>
    <message>
        <location line="+247"/>
        <source>Delay Setting</source>
        <translation>إعداد التأخير</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Recording delay</source>
        <translation>تسجيل التأخير</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No delay</source>
        <translation>بدون تأخير</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Default delay</source>
        <translation>التأخير الافتراضي</translation>
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
        <translation>تسجيل</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Event List</source>
        <translation>قائمة الأحداث</translation>
    </message>
    <message>
        <location line="+263"/>
        <source>Record is empty</source>
        <translation>التسجيل فارغ</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Insert Event</source>
        <translation>إدراج حدث</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Position</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Insert event after</source>
        <translation>إدراج الحدث بعد</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Insert event before</source>
        <translation>إدراج الحدث قبل</translation>
    </message>
    <message>
        <location line="+47"/>
        <location line="+566"/>
        <source>Event</source>
        <translation>الحدث</translation>
    </message>
    <message>
        <location line="-532"/>
        <location line="+566"/>
        <source>Keyboard Event</source>
        <translation>لوحة المفاتيح</translation>
    </message>
    <message>
        <location line="-556"/>
        <location line="+566"/>
        <source>Mouse Event</source>
        <translation>الماوس</translation>
    </message>
    <message>
        <location line="-559"/>
        <location line="+424"/>
        <source>Delay</source>
        <translation>التأخير</translation>
    </message>
    <message>
        <location line="-364"/>
        <source>Operate</source>
        <translation>الإجراء</translation>
    </message>
    <message>
        <location line="+38"/>
        <location line="+540"/>
        <location filename="../src/macro/dmacropage_events.cpp" line="+138"/>
        <location line="+59"/>
        <location line="+19"/>
        <source>Please enter a key</source>
        <translation>يرجى إدخال مفتاح</translation>
    </message>
    <message>
        <location line="-514"/>
        <location line="+601"/>
        <source>Left Click</source>
        <translation>نقرة يسرى</translation>
    </message>
    <message>
        <location line="-578"/>
        <location line="+598"/>
        <source>Center Click</source>
        <translation>نقرة وسطى</translation>
    </message>
    <message>
        <location line="-578"/>
        <location line="+598"/>
        <source>Right Click</source>
        <translation>نقرة يمنى</translation>
    </message>
    <message>
        <location line="-566"/>
        <source>Please enter delay number</source>
        <translation>يرجى إدخال قيمة التأخير</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Insert</source>
        <translation>إدراج</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Property</source>
        <translation>الخاصية</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <location line="+167"/>
        <source>Press Key</source>
        <translation>ضغط مفتاح</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Mouse</source>
        <translation>الماوس</translation>
    </message>
    <message>
        <location line="+131"/>
        <source>Modify</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../src/macro/dmacropage.cpp" line="+24"/>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Up</source>
        <translation>لأعلى</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation>لأسفل</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/macro/dmacropage_recording.cpp" line="+68"/>
        <source>Start record</source>
        <translation>بدء التسجيل</translation>
    </message>
    <message>
        <location line="+248"/>
        <source>Macro name can&apos;t be empty</source>
        <translation>لا يمكن أن يكون اسم الماكرو فارغاً</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modify macro name successful</source>
        <translation>تم تعديل اسم الماكرو بنجاح</translation>
    </message>
    <message>
        <location filename="../src/macro/dmacropage_events.cpp" line="-83"/>
        <location line="+55"/>
        <location line="+137"/>
        <source>Please select a specific location first</source>
        <translation>يرجى تحديد موضع أولاً</translation>
    </message>
    <message>
        <location line="-182"/>
        <location filename="../src/macro/dmacropage_recording.cpp" line="+82"/>
        <location line="+11"/>
        <location line="+37"/>
        <location line="+58"/>
        <source>The record of events has reached the limit</source>
        <translation>وصل عدد الأحداث المسجلة إلى الحد الأقصى</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Insert failed</source>
        <translation>فشل الإدراج</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Insert successful</source>
        <translation>تم الإدراج بنجاح</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Modify failed</source>
        <translation>فشل التعديل</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Modify successful</source>
        <translation>تم التعديل بنجاح</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Delete failed</source>
        <translation>فشل الحذف</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Please select a macro first</source>
        <translation>يرجى تحديد ماكرو أولاً</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clear record macro failed</source>
        <translation>فشل مسح تسجيل الماكرو</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear record macro successful</source>
        <translation>تم مسح تسجيل الماكرو بنجاح</translation>
    </message>
    <message>
        <location filename="../src/macro/dmacropage_list.cpp" line="+37"/>
        <location line="+8"/>
        <source>Add macro failed</source>
        <translation>فشلت إضافة الماكرو</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add macro successful</source>
        <translation>تمت إضافة الماكرو بنجاح</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Delete macro</source>
        <translation>حذف الماكرو</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keys of the current profile still play the macro &quot;%1&quot;. Delete it anyway? Those keys keep playing the macro as it is now.</source>
        <translation>لا تزال مفاتيح في ملف التعريف الحالي تشغّل الماكرو &quot;%1&quot;. هل تريد حذفه على أي حال؟ ستستمر تلك المفاتيح في تشغيل الماكرو بحالته الحالية.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Delete macro failed</source>
        <translation>فشل حذف الماكرو</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Delete macro successful</source>
        <translation>تم حذف الماكرو بنجاح</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Save directory</source>
        <translation>مجلد الحفظ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select save directory first</source>
        <translation>يرجى تحديد مجلد الحفظ أولاً</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+8"/>
        <location line="+8"/>
        <source>Export macro failed</source>
        <translation>فشل تصدير الماكرو</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export macro successful</source>
        <translation>تم تصدير الماكرو بنجاح</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open macro file</source>
        <translation>فتح ملف ماكرو</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Macro files(*.xml)</source>
        <translation>ملفات الماكرو(*.xml)</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+8"/>
        <location line="+7"/>
        <location line="+13"/>
        <source>Import macro failed</source>
        <translation>فشل استيراد الماكرو</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Import macro successful</source>
        <translation>تم استيراد الماكرو بنجاح</translation>
    </message>
    <message>
        <location filename="../src/macro/dmacropage_recording.cpp" line="-188"/>
        <source>Stop record</source>
        <translation>إيقاف التسجيل</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Start record macro</source>
        <translation>بدء تسجيل الماكرو</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Stop record macro</source>
        <translation>إيقاف تسجيل الماكرو</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saving the recorded events failed</source>
        <translation>فشل حفظ الأحداث المسجلة</translation>
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
        <translation>الإعدادات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The settings file was damaged and has been reset; the damaged copy was kept as %1</source>
        <translation>كان ملف الإعدادات تالفاً وتمت إعادة تعيينه؛ واحتُفظ بالنسخة التالفة باسم %1</translation>
    </message>
    <message>
        <location line="+314"/>
        <source>Update Firmware</source>
        <translation>تحديث البرنامج الثابت</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Minimize(&amp;N)</source>
        <translation>تصغير(&amp;N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maximize(&amp;X)</source>
        <translation>تكبير(&amp;X)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revert(&amp;R)</source>
        <translation>استعادة(&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit(&amp;Q)</source>
        <translation>خروج(&amp;Q)</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>Keyboard service failed to start</source>
        <translation>فشل بدء خدمة لوحة المفاتيح</translation>
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
        <translation>أزرار الماوس</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="-18"/>
        <source>Mouse Left</source>
        <translation>زر الماوس الأيسر</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+1"/>
        <source>Mouse Center</source>
        <translation>زر الماوس الأوسط</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+1"/>
        <source>Mouse Right</source>
        <translation>زر الماوس الأيمن</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+4"/>
        <source>Backward</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="-1"/>
        <source>Forward</source>
        <translation>تقدّم</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+3"/>
        <source>Sniper Key</source>
        <translation>زر القنص</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="-4"/>
        <source>Scroll Down</source>
        <translation>تمرير لأسفل</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="-1"/>
        <source>Scroll Up</source>
        <translation>تمرير لأعلى</translation>
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
        <translation>الوسائط المتعددة</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-21"/>
        <source>Play/Pause</source>
        <translation>تشغيل/إيقاف مؤقت</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+3"/>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-2"/>
        <source>Next track</source>
        <translation>المقطع التالي</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Prev track</source>
        <translation>المقطع السابق</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-5"/>
        <source>Volume +</source>
        <translation>مستوى الصوت +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Volume -</source>
        <translation>مستوى الصوت -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Mute</source>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+5"/>
        <source>Player</source>
        <translation>المشغّل</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Calculator</source>
        <translation>الآلة الحاسبة</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Computer</source>
        <translation>الكمبيوتر</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+2"/>
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-1"/>
        <source>Browser</source>
        <translation>المتصفح</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+4"/>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-2"/>
        <source>Screen brightness+</source>
        <translation>سطوع الشاشة+</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Screen brightness-</source>
        <translation>سطوع الشاشة-</translation>
    </message>
</context>
<context>
    <name>DOnboardDownload</name>
    <message>
        <location filename="../src/device/link/donboarddownload.cpp" line="+33"/>
        <source>Download config successful</source>
        <translation>تم تنزيل الإعدادات إلى لوحة المفاتيح بنجاح</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Download config failed, Please try again</source>
        <translation>فشل تنزيل الإعدادات، يرجى المحاولة مرة أخرى</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot read %1: nothing was written to the keyboard</source>
        <translation>تعذّرت قراءة %1: لم يُكتب أي شيء إلى لوحة المفاتيح</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please wait until the download has finished</source>
        <translation>يرجى الانتظار حتى ينتهي التنزيل</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Too many macro keys (at most %1)</source>
        <translation>عدد مفاتيح الماكرو كبير جداً (الحد الأقصى %1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A macro has more than %1 events</source>
        <translation>يحتوي أحد الماكرو على أكثر من %1 حدثاً</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Too many advanced keys (at most %1)</source>
        <translation>عدد المفاتيح المتقدمة كبير جداً (الحد الأقصى %1)</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <location filename="../src/trigger/dperformancepage.cpp" line="+62"/>
        <source>If Win Lock is on:</source>
        <translation>عند تفعيل قفل Win:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable Windows key</source>
        <translation>تعطيل مفتاح Windows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable SHIFT+TAB</source>
        <translation>تعطيل SHIFT+TAB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable ALT+TAB</source>
        <translation>تعطيل ALT+TAB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable ALT+F4</source>
        <translation>تعطيل ALT+F4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light into sleep:</source>
        <translation>سكون الإضاءة بعد:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Second</source>
        <translation>ثانية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard into sleep:</source>
        <translation>سكون لوحة المفاتيح بعد:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minute</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prohibit Sleep</source>
        <translation>منع السكون</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Submit</source>
        <translation>إرسال</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard properties</source>
        <translation>خصائص لوحة المفاتيح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset current profile</source>
        <translation>إعادة تعيين ملف التعريف الحالي</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <location filename="../src/device/dprofilemenutoolwidget.cpp" line="+23"/>
        <source>Create</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Modify Name</source>
        <translation>إعادة التسمية</translation>
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
        <translation>ضغط خفيف</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/keyassign/dresetdefaultpage.cpp" line="+1"/>
        <source>Heavy Press</source>
        <translation>ضغط قوي</translation>
    </message>
    <message>
        <location line="+23"/>
        <location filename="../src/keyassign/dresetdefaultpage.cpp" line="-4"/>
        <source>Default</source>
        <translation>افتراضي</translation>
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
        <translation>موافق</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dresetdefaultpage.cpp" line="+1"/>
        <source>Cancel</source>
        <translation>إلغاء</translation>
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
        <translation>مفاتيح متقدمة</translation>
    </message>
    <message>
        <location filename="../src/keyassign/dseniorkeysbindingpage.cpp" line="+4"/>
        <location line="+44"/>
        <source>(missing)</source>
        <translation>(مفقود)</translation>
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
        <translation>مفاتيح متقدمة</translation>
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
        <translation>إنشاء</translation>
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
        <translation>للمفتاح وظيفتان: واحدة عند الضغط المطوّل وأخرى عند النقر.</translation>
    </message>
    <message>
        <location line="+65"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="-4"/>
        <source>Hold</source>
        <translation>ضغط مطوّل</translation>
    </message>
    <message>
        <location line="+69"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+1"/>
        <source>Click</source>
        <translation>نقر</translation>
    </message>
    <message>
        <location line="+88"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+1"/>
        <source>Hold Duration</source>
        <translation>مدة الضغط المطوّل</translation>
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
        <translation>انقر هذا المفتاح لتشغيل التفعيل المتواصل أو إيقافه.</translation>
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
        <translation>لا توجد مفاتيح متقدمة</translation>
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
        <translation>مفتاح واحد</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+1"/>
        <source>Key Combination</source>
        <translation>تركيبة مفاتيح</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>#scrollAreaWidgetContents_3{background-color:rgb(34, 34, 58);}</source>
        <translation>#scrollAreaWidgetContents_3{background-color:rgb(34, 34, 58);}</translation>
    </message>
    <message>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+372"/>
        <source>The number of senior keys has reached the maximum</source>
        <translation>وصل عدد المفاتيح المتقدمة إلى الحد الأقصى</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+6"/>
        <location line="+32"/>
        <location line="+20"/>
        <source>Operate failed</source>
        <translation>فشلت العملية</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Create senior keys successful</source>
        <translation>تم إنشاء المفتاح المتقدم بنجاح</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Keys are still bound to this senior key. Delete it anyway?</source>
        <translation>لا تزال مفاتيح مرتبطة بهذا المفتاح المتقدم. هل تريد حذفه على أي حال؟</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Delete senior keys successful</source>
        <translation>تم حذف المفتاح المتقدم بنجاح</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <location filename="../src/advancedkeys/dseniorkeysrecordexplaindia.ui" line="+14"/>
        <source>Explain</source>
        <translation>شرح</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Single Key / Key Combination</source>
        <translation>مفتاح واحد / تركيبة مفاتيح</translation>
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
        <translation>الإعدادات</translation>
    </message>
    <message>
        <location line="+111"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <location line="+60"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <location line="+47"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Theme</source>
        <translation>السمة</translation>
    </message>
    <message>
        <location line="+35"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Background image</source>
        <translation>صورة الخلفية</translation>
    </message>
    <message>
        <location line="+35"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Auto start</source>
        <translation>التشغيل التلقائي</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>تشغيل التطبيق عند بدء تشغيل النظام (مصغّراً)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Close startup to tray</source>
        <translation>التصغير إلى علبة النظام عند الإغلاق</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Upgrade</source>
        <translation>الترقية</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Firmware upgrade check</source>
        <translation>التحقق من تحديث البرنامج الثابت</translation>
    </message>
    <message>
        <location line="+160"/>
        <source>Application software</source>
        <translation>التطبيق</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>Check Update</source>
        <translation>التحقق من التحديثات</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="-120"/>
        <source>Dark</source>
        <translation>داكن</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light</source>
        <translation>فاتح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pink</source>
        <translation>وردي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other</source>
        <translation>أخرى</translation>
    </message>
    <message>
        <location line="+153"/>
        <source>Set config success</source>
        <translation>تم حفظ الإعدادات بنجاح</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set config failed</source>
        <translation>فشل حفظ الإعدادات</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>No upgradeable devices found</source>
        <translation>لم يتم العثور على أجهزة قابلة للتحديث</translation>
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
        <translation>الإضاءة المحيطة</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="-21"/>
        <source>All light</source>
        <translation>كل الإضاءة</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Overall light</source>
        <translation>الإضاءة الكلية</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Interaction light</source>
        <translation>الإضاءة التفاعلية</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Brightness +</source>
        <translation>السطوع +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Brightness -</source>
        <translation>السطوع -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Speed +</source>
        <translation>السرعة +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Speed -</source>
        <translation>السرعة -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Into full color</source>
        <translation>وضع الألوان الكاملة</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Top color changed</source>
        <translation>تغيير اللون العلوي</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Bottom color changed</source>
        <translation>تغيير اللون السفلي</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Close side light</source>
        <translation>إيقاف الإضاءة الجانبية</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Stop side light</source>
        <translation>إيقاف مؤقت للإضاءة الجانبية</translation>
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
        <translation>نقاط التفعيل لإجراءات DKS</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <location filename="../src/advancedkeys/dstrokeconfigview.cpp" line="+90"/>
        <source>Operate failed</source>
        <translation>فشلت العملية</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <location filename="../src/trigger/dtriggersettingpage.cpp" line="+116"/>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensitivity of pressing and releasing</source>
        <translation>حساسية الضغط والتحرير</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quick trigger</source>
        <translation>Rapid Trigger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key calibration mode</source>
        <translation>وضع معايرة المفاتيح</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Start calibration</source>
        <translation>بدء المعايرة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All keys calibration</source>
        <translation>معايرة جميع المفاتيح</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>خصّص مسافة التفعيل ومسافة إعادة الضبط وفقاً لطريقتك في الضغط على المفتاح أو تحريره.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>يمكنك ضبط مسافة Rapid Trigger للضغط (التفعيل) وللتحرير (إعادة الضبط) كلٌّ على حدة.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press</source>
        <translation>الضغط</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Trigger</source>
        <translation>التفعيل</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Release</source>
        <translation>التحرير</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset</source>
        <translation>إعادة الضبط</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>The keyboard has not reported its key travel yet, please wait a moment</source>
        <translation>لم تُبلغ لوحة المفاتيح عن مسافة ضغط المفاتيح بعد، يرجى الانتظار قليلاً</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <location filename="../src/firmware/dupdatefirmwaredia.cpp" line="+65"/>
        <source>Update Firmware</source>
        <translation>تحديث البرنامج الثابت</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>لا تفصل الجهاز أثناء تحديث البرنامج الثابت!</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>DUpdateFirmwareDia</source>
        <translation>DUpdateFirmwareDia</translation>
    </message>
    <message>
        <location line="+211"/>
        <source>Update successful</source>
        <translation>تم التحديث بنجاح</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Update failed</source>
        <translation>فشل التحديث</translation>
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
        <translation>لوحة المفاتيح الافتراضية</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../src/app/qtlinguist.cpp" line="+24"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/app/main.cpp" line="+29"/>
        <source>Software exit</source>
        <translation>إنهاء البرنامج</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Conflict, software out of operation!</source>
        <translation>حدث تعارض، توقف البرنامج عن العمل!</translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="+56"/>
        <source>Volume +</source>
        <translation>مستوى الصوت +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume -</source>
        <translation>مستوى الصوت -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute</source>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play/Pause</source>
        <translation>تشغيل/إيقاف مؤقت</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next track</source>
        <translation>المقطع التالي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prev track</source>
        <translation>المقطع السابق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Player</source>
        <translation>المشغّل</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calculator</source>
        <translation>الآلة الحاسبة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer</source>
        <translation>الكمبيوتر</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser</source>
        <translation>المتصفح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Screen brightness+</source>
        <translation>سطوع الشاشة+</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Screen brightness-</source>
        <translation>سطوع الشاشة-</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mouse Left</source>
        <translation>زر الماوس الأيسر</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mouse Center</source>
        <translation>زر الماوس الأوسط</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mouse Right</source>
        <translation>زر الماوس الأيمن</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scroll Up</source>
        <translation>تمرير لأعلى</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll Down</source>
        <translation>تمرير لأسفل</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Forward</source>
        <translation>تقدّم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backward</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sniper Key</source>
        <translation>زر القنص</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close window</source>
        <translation>إغلاق النافذة</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Switch windows</source>
        <translation>تبديل النوافذ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show desktop</source>
        <translation>إظهار سطح المكتب</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>My computer</source>
        <translation>جهاز الكمبيوتر</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock computer</source>
        <translation>قفل الكمبيوتر</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>Overall light</source>
        <translation>الإضاءة الكلية</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+4"/>
        <source>Interaction light</source>
        <translation>الإضاءة التفاعلية</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+4"/>
        <source>All light</source>
        <translation>كل الإضاءة</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Static</source>
        <translation>ثابت</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Brightness +</source>
        <translation>السطوع +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brightness -</source>
        <translation>السطوع -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed +</source>
        <translation>السرعة +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed -</source>
        <translation>السرعة -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Direction +1</source>
        <translation>الاتجاه +1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Direction -1</source>
        <translation>الاتجاه -1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Direction Loop</source>
        <translation>تدوير الاتجاه</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Into full color</source>
        <translation>وضع الألوان الكاملة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top color changed</source>
        <translation>تغيير اللون العلوي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom color changed</source>
        <translation>تغيير اللون السفلي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom 1</source>
        <translation>مخصص 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom 2</source>
        <translation>مخصص 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock/Unlock Win</source>
        <translation>قفل/إلغاء قفل Win</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock win</source>
        <translation>قفل Win</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unlock win</source>
        <translation>إلغاء قفل Win</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default layer</source>
        <translation>الطبقة الافتراضية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FN layer</source>
        <translation>طبقة FN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FN1 layer</source>
        <translation>طبقة FN1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bluetooth 1</source>
        <translation>بلوتوث 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bluetooth 2</source>
        <translation>بلوتوث 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bluetooth 3</source>
        <translation>بلوتوث 3</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>2.4G switching</source>
        <translation>التبديل إلى 2.4G</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB switching</source>
        <translation>التبديل إلى USB</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Lock keyboard</source>
        <translation>قفل لوحة المفاتيح</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Power query</source>
        <translation>عرض مستوى البطارية</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Close all</source>
        <translation>إيقاف الكل</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close back light</source>
        <translation>إيقاف الإضاءة الخلفية</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop back light</source>
        <translation>إيقاف مؤقت للإضاءة الخلفية</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Light recording</source>
        <translation>تسجيل الإضاءة</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Close side light</source>
        <translation>إيقاف الإضاءة الجانبية</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop side light</source>
        <translation>إيقاف مؤقت للإضاءة الجانبية</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.cpp" line="+93"/>
        <location line="+525"/>
        <source>Device List</source>
        <translation>قائمة الأجهزة</translation>
    </message>
    <message>
        <location line="-524"/>
        <location line="+525"/>
        <source>Device not connected</source>
        <translation>الجهاز غير متصل</translation>
    </message>
    <message>
        <location line="-524"/>
        <location line="+525"/>
        <source>Reset</source>
        <translation>إعادة تعيين</translation>
    </message>
    <message>
        <location line="-306"/>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>جارٍ معايرة المفاتيح، يرجى الانتظار قليلاً</translation>
    </message>
    <message>
        <location line="+136"/>
        <source>Key Custom</source>
        <translation>تخصيص المفاتيح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light Setting</source>
        <translation>الإضاءة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Macro</source>
        <translation>ماكرو</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Performance</source>
        <translation>الأداء</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trigger Setting</source>
        <translation>إعدادات التفعيل</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Senior Keys</source>
        <translation>مفاتيح متقدمة</translation>
    </message>
    <message>
        <location line="+166"/>
        <location line="+32"/>
        <source>All keys calibration in progress ...</source>
        <translation>جارٍ معايرة جميع المفاتيح ...</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_opening.cpp" line="+157"/>
        <source>The device is offline</source>
        <translation>الجهاز غير متصل</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The device has been turned on</source>
        <translation>تم تشغيل الجهاز</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profiles.cpp" line="-77"/>
        <source>Device not responding, please reconnect</source>
        <translation>الجهاز لا يستجيب، يرجى إعادة توصيله</translation>
    </message>
    <message>
        <location filename="../src/keyboardview/keyselectframe.cpp" line="+231"/>
        <source>Cannot remapped</source>
        <translation>لا يمكن إعادة التعيين</translation>
    </message>
    <message>
        <location filename="../src/advancedkeys/dseniorkeysrecordexplaindia.cpp" line="+23"/>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>عند اختيار &quot;مفتاح واحد&quot;، يكفي النقر على مفتاح لإكمال إعداده؛</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>عند اختيار &quot;تركيبة مفاتيح&quot;، يجب تحديد مفتاح تعديل واحد على الأقل ومفتاح آخر لإكمال إدخال التركيبة، مثل L_Shift+A أو L_Shift+L_Ctrl+A؛</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>يمكن للمفتاح أداء أربع وظائف: يمكن ربط من 1 إلى 4 وظائف حسب أربع درجات ضغط مختلفة.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>للمفتاح وظيفتان: واحدة عند الضغط المطوّل وأخرى عند النقر.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>انقر هذا المفتاح لتشغيل التفعيل المتواصل أو إيقافه.</translation>
    </message>
    <message>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="-323"/>
        <source>The device has no atmosphere lamp</source>
        <translation>لا يحتوي الجهاز على إضاءة محيطة</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <location filename="../src/keyboardview/keycatalogue.cpp" line="+92"/>
        <source>Chinese</source>
        <translation>الصينية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Korean/English</source>
        <translation>الكورية/الإنجليزية</translation>
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
        <translation>1. شرح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.Explain</source>
        <translation>2. شرح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.Explain</source>
        <translation>3. شرح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4.Explain</source>
        <translation>4. شرح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5.Explain</source>
        <translation>5. شرح</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Explain</source>
        <translation>شرح</translation>
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
        <translation>عند تفعيل قفل Win:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable Windows key</source>
        <translation>تعطيل مفتاح Windows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable SHIFT+TAB</source>
        <translation>تعطيل SHIFT+TAB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable ALT+TAB</source>
        <translation>تعطيل ALT+TAB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable ALT+F4</source>
        <translation>تعطيل ALT+F4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light into sleep:</source>
        <translation>سكون الإضاءة بعد:</translation>
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
        <translation>ثانية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard into sleep:</source>
        <translation>سكون لوحة المفاتيح بعد:</translation>
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
        <translation>دقيقة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prohibit Sleep</source>
        <translation>منع السكون</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Submit</source>
        <translation>إرسال</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard properties</source>
        <translation>خصائص لوحة المفاتيح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset current profile</source>
        <translation>إعادة تعيين ملف التعريف الحالي</translation>
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
        <translation>Rapid Trigger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>خصّص مسافة التفعيل ومسافة إعادة الضبط وفقاً لطريقتك في الضغط على المفتاح أو تحريره.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Secondary sensitivity</source>
        <translation>حساسية منفصلة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>يمكنك ضبط مسافة Rapid Trigger للضغط (التفعيل) وللتحرير (إعادة الضبط) كلٌّ على حدة.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press/Release</source>
        <translation>الضغط/التحرير</translation>
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
        <translation>الضغط</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Release</source>
        <translation>التحرير</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key anti shake</source>
        <translation>منع الارتداد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate return</source>
        <translation>معدل الاستطلاع</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Into calibration mode</source>
        <translation>دخول وضع المعايرة</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+3"/>
        <source>Start calibration</source>
        <translation>بدء المعايرة</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>All keys calibration</source>
        <translation>معايرة جميع المفاتيح</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Intensity tracking</source>
        <translation>تتبّع شدة الضغط</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset sensitivity</source>
        <translation>إعادة تعيين الحساسية</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <location filename="../src/firmware/updatefirmwareinfoitem.cpp" line="+60"/>
        <source>Product name:</source>
        <translation>اسم المنتج:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update progress:</source>
        <translation>تقدّم التحديث:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current version:</source>
        <translation>الإصدار الحالي:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New version:</source>
        <translation>الإصدار الجديد:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete</source>
        <translation>اكتمل</translation>
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
        <translation>تصدير</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/macro/macromenutoolwidget.cpp" line="-1"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/macro/macromenutoolwidget.cpp" line="+2"/>
        <source>Modify Name</source>
        <translation>إعادة التسمية</translation>
    </message>
</context>
</TS>
