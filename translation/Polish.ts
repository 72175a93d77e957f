<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
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
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/keyboardview/dallkeysshowpage.cpp" line="+1"/>
        <source>Normal Keys</source>
        <translation>Zwykłe klawisze</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/keyboardview/dallkeysshowpage.cpp" line="+1"/>
        <source>Special Keys</source>
        <translation>Klawisze specjalne</translation>
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
        <translation>Lewy klik</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Center Click</source>
        <translation>Środkowy klik</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right Click</source>
        <translation>Prawy klik</translation>
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
        <translation>Przypisz profil</translation>
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
        <translation>Lekkie wciśnięcie</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Heavy Press</source>
        <translation>Mocne wciśnięcie</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/keyassign/dchangekeypage.cpp" line="+23"/>
        <source>Remap Key</source>
        <translation>Zmień klawisz</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../src/keyassign/dchangekeypage.cpp" line="+1"/>
        <source>Remap with key?</source>
        <translation>Przypisać klawisz?</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <location filename="../src/widgets/dcustomeventtipexplain.cpp" line="+28"/>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <location filename="../src/keyassign/dcustomkeyspage.ui" line="+80"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+277"/>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <location line="+467"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+1"/>
        <source>Function:</source>
        <translation>Funkcja:</translation>
    </message>
    <message>
        <location line="+303"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+1"/>
        <source>Key</source>
        <translation>Klawisz</translation>
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
        <translation>Warstwa domyślna</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+1"/>
        <source>FN layer</source>
        <translation>Warstwa FN</translation>
    </message>
    <message>
        <location line="+37"/>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="+1"/>
        <source>Download</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <location filename="../src/keyassign/dcustomkeyspage.cpp" line="-212"/>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remap Key</source>
        <translation>Zmień klawisz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key Combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shortcuts</source>
        <translation>Skróty</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch Profile</source>
        <translation>Zmień profil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Launch Application</source>
        <translation>Uruchom aplikację</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keyboard Light</source>
        <translation>Podświetlenie klawiatury</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Atmosphere Light</source>
        <translation>Podświetlenie boczne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key Config</source>
        <translation>Konfiguracja klawisza</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Senior Keys</source>
        <translation>Klawisze zaawansowane</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>Operate successful</source>
        <translation>Operacja udana</translation>
    </message>
    <message>
        <location line="+166"/>
        <location line="+182"/>
        <source>Please select one Key first</source>
        <translation>Najpierw wybierz klawisz</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Operate failed</source>
        <translation>Operacja nieudana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting failed because the text is empty</source>
        <translation>Nie udało się ustawić, ponieważ tekst jest pusty</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unknow</source>
        <translation>Nieznane</translation>
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
        <translation>Własne podświetlenie</translation>
    </message>
</context>
<context>
    <name>DDataManager</name>
    <message>
        <location filename="../src/app/ddatamanager.cpp" line="+35"/>
        <source>Unknow</source>
        <translation>Nieznane</translation>
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
        <translation>Lista urządzeń</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>link</source>
        <translation>link</translation>
    </message>
    <message>
        <location line="+268"/>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <location line="+303"/>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Change</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Keyboard</source>
        <translation>Klawiatura</translation>
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
        <translation>Urządzenie niepodłączone</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profileslots.cpp" line="+102"/>
        <location line="+173"/>
        <source>The number of profile has reached the maximum</source>
        <translation>Osiągnięto maksymalną liczbę profili</translation>
    </message>
    <message>
        <location line="-166"/>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Nie udało się utworzyć: taki indeks już istnieje, sprawdź dane</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Create profile failed</source>
        <translation>Nie udało się utworzyć profilu</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Create profile successful</source>
        <translation>Utworzono profil</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Need keep at least one profile</source>
        <translation>Musi pozostać co najmniej jeden profil</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Delete profile failed</source>
        <translation>Nie udało się usunąć profilu</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Delete profile successful</source>
        <translation>Usunięto profil</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Profile name can&apos;t empty</source>
        <translation>Nazwa profilu nie może być pusta</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Modify profile info failed</source>
        <translation>Nie udało się zmienić profilu</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modify profile info successful</source>
        <translation>Zmieniono profil</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Save directory</source>
        <translation>Folder zapisu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select save directory first</source>
        <translation>Najpierw wybierz folder zapisu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This index node non-existent</source>
        <translation>Taki indeks nie istnieje</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Export profile successful</source>
        <translation>Wyeksportowano profil</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export profile failed</source>
        <translation>Nie udało się wyeksportować profilu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open profile file</source>
        <translation>Otwórz plik profilu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile files(*.xml)</source>
        <translation>Pliki profili (*.xml)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select import file first</source>
        <translation>Najpierw wybierz plik do importu</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Import profile successful</source>
        <translation>Zaimportowano profil</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Import profile failed</source>
        <translation>Nie udało się zaimportować profilu</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Tip</source>
        <translation>Wskazówka</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Whether to reset the current profile?</source>
        <translation>Zresetować bieżący profil?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+6"/>
        <source>Operate failed</source>
        <translation>Operacja nieudana</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Operate successful</source>
        <translation>Operacja udana</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_lighting.cpp" line="+94"/>
        <source>The custom light could not be saved</source>
        <translation>Nie udało się zapisać własnego podświetlenia</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profiles.cpp" line="+97"/>
        <source>The profile folder %1 cannot be created; profiles cannot be saved</source>
        <translation>Nie można utworzyć folderu profili %1; nie można zapisać profili</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The profile file was damaged and has been reset; the damaged copy was kept as %1</source>
        <translation>Plik profili był uszkodzony i został zresetowany; uszkodzona kopia została zachowana jako %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Profiles</source>
        <translation>Profile</translation>
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
        <translation>Informacje o firmware</translation>
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
        <translation>Skróty</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-18"/>
        <source>Show desktop</source>
        <translation>Pokaż pulpit</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-1"/>
        <source>Close window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+3"/>
        <source>Lock computer</source>
        <translation>Zablokuj komputer</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-1"/>
        <source>My computer</source>
        <translation>Mój komputer</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+2"/>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+2"/>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+1"/>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-2"/>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="+5"/>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-1"/>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dhotkeypage.cpp" line="-1"/>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <location filename="../src/trigger/dkeycalibrationexplaindia.cpp" line="+112"/>
        <source>1.Into key calibration mode first;</source>
        <translation>1. Najpierw włącz tryb kalibracji klawiszy;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.Select one key;</source>
        <translation>2. Wybierz klawisz;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. Kliknij „Rozpocznij kalibrację”;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4.Press the selected key;</source>
        <translation>4. Naciśnij wybrany klawisz;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5.Return key calibration results;</source>
        <translation>5. Odczytaj wyniki kalibracji klawisza;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Set the required press key duration for triggering.</source>
        <translation>Ustaw, jak długo trzeba przytrzymać klawisz, aby go aktywować.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Gdy włączona jest kalibracja wszystkich klawiszy, naciśnij wszystkie klawisze, aby ją zakończyć.</translation>
    </message>
</context>
<context>
    <name>DKeyCapturePage</name>
    <message>
        <location filename="../src/keyassign/dkeycapturepage.cpp" line="+66"/>
        <source>Light Press</source>
        <translation>Lekkie wciśnięcie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heavy Press</source>
        <translation>Mocne wciśnięcie</translation>
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
        <translation>Lekkie wciśnięcie</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Heavy Press</source>
        <translation>Mocne wciśnięcie</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/keyassign/dkeycombinationpage.cpp" line="+25"/>
        <source>Key Combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../src/keyassign/dkeycombinationpage.cpp" line="+1"/>
        <source>Enter key?</source>
        <translation>Wprowadzić klawisz?</translation>
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
        <translation>Konfiguracja klawisza</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Switch loop</source>
        <translation>Przełączanie w pętli</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="-22"/>
        <source>Lock win</source>
        <translation>Zablokuj Win</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Unlock win</source>
        <translation>Odblokuj Win</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Lock keyboard</source>
        <translation>Zablokuj klawiaturę</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Power query</source>
        <translation>Poziom baterii</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>Default layer</source>
        <translation>Warstwa domyślna</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>FN layer</source>
        <translation>Warstwa FN</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>FN1 layer</source>
        <translation>Warstwa FN1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+2"/>
        <source>USB switching</source>
        <translation>Przełącz na USB</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyconfigfunctionpage.cpp" line="+1"/>
        <source>2.4G switching</source>
        <translation>Przełącz na 2.4G</translation>
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
        <translation>Blokuj/odblokuj Win</translation>
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
        <translation>Wyłącz</translation>
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
        <translation>Anuluj</translation>
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
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dkeywithapppage.cpp" line="-30"/>
        <source>Please select the path where your app is located</source>
        <translation>Wskaż ścieżkę do aplikacji</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../src/keyassign/dkeywithapppage.cpp" line="+1"/>
        <source>Select application</source>
        <translation>Wybierz aplikację</translation>
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
        <translation>Tekst</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/keyassign/dkeywithtextpage.cpp" line="+1"/>
        <source>Enter text ...</source>
        <translation>Wpisz tekst...</translation>
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
        <translation>Anuluj</translation>
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
        <translation>Podświetlenie klawiatury</translation>
    </message>
    <message>
        <location line="+30"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="-29"/>
        <source>Overall light</source>
        <translation>Podświetlenie ogólne</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Interaction light</source>
        <translation>Podświetlenie interakcji</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>All light</source>
        <translation>Całe podświetlenie</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Static</source>
        <translation>Statyczny</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Brightness +</source>
        <translation>Jasność +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Brightness -</source>
        <translation>Jasność -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Speed +</source>
        <translation>Prędkość +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Speed -</source>
        <translation>Prędkość -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Direction +1</source>
        <translation>Kierunek +1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Direction -1</source>
        <translation>Kierunek -1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Direction Loop</source>
        <translation>Kierunek w pętli</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Into full color</source>
        <translation>Tryb pełnego koloru</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Top color changed</source>
        <translation>Zmiana pierwszego koloru</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Bottom color changed</source>
        <translation>Zmiana drugiego koloru</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Close all</source>
        <translation>Wyłącz wszystko</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Close back light</source>
        <translation>Wyłącz podświetlenie</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Stop back light</source>
        <translation>Zatrzymaj podświetlenie</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Light recording</source>
        <translation>Nagrywanie podświetlenia</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Custom 1</source>
        <translation>Własny 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dkeyboardlightcustomeventpage.cpp" line="+1"/>
        <source>Custom 2</source>
        <translation>Własny 2</translation>
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
        <translation>Typ:</translation>
    </message>
    <message>
        <location line="+411"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Brightness:</source>
        <translation>Jasność:</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Speed:</source>
        <translation>Prędkość:</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Direction:</source>
        <translation>Kierunek:</translation>
    </message>
    <message>
        <location line="+138"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Light mode</source>
        <translation>Tryb podświetlenia</translation>
    </message>
    <message>
        <location line="+72"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Full color</source>
        <translation>Pełny kolor</translation>
    </message>
    <message>
        <location line="+49"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Top color</source>
        <translation>Pierwszy kolor</translation>
    </message>
    <message>
        <location line="+45"/>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="+1"/>
        <source>Bottom color</source>
        <translation>Drugi kolor</translation>
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
        <translation>Własne podświetlenie</translation>
    </message>
    <message>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="-8"/>
        <location line="+155"/>
        <location line="+9"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+18"/>
        <location line="+21"/>
        <source>Static</source>
        <translation>Statyczny</translation>
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
        <translation>Oddychanie</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-20"/>
        <location line="+21"/>
        <source>Wave</source>
        <translation>Fala</translation>
    </message>
    <message>
        <location line="-8"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-14"/>
        <source>Twinkle</source>
        <translation>Migotanie</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-4"/>
        <source>Snake</source>
        <translation>Wąż</translation>
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
        <translation>Auto-fale</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+1"/>
        <source>Striation</source>
        <translation>Prążki</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-8"/>
        <source>Aurora</source>
        <translation>Zorza</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+1"/>
        <source>Ripple</source>
        <translation>Fale</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-2"/>
        <source>Reactive</source>
        <translation>Reaktywny</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+5"/>
        <source>Cross</source>
        <translation>Krzyż</translation>
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
        <translation>Fajerwerki</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-4"/>
        <source>Speed Respond</source>
        <translation>Reakcja na prędkość</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+5"/>
        <source>Musical Rhythm</source>
        <translation>Rytm muzyki</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="-7"/>
        <source>Custom</source>
        <translation>Własny</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+14"/>
        <source>Collision</source>
        <translation>Zderzenie</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/sdk/colorinfodata.cpp" line="+2"/>
        <source>Close</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Keyboard/Ambient</source>
        <translation>Klawiatura/boczne</translation>
    </message>
    <message>
        <location filename="../src/lighting/dlightsconfigpage_custom.cpp" line="+135"/>
        <source>Two custom lights must be in use to swap one</source>
        <translation>Aby zamienić, muszą być używane dwa własne podświetlenia</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The custom light could not be saved</source>
        <translation>Nie udało się zapisać własnego podświetlenia</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Nazwa podświetlenia nie może być pusta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modify custom light name successful</source>
        <translation>Zmieniono nazwę podświetlenia</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modify custom light name failed</source>
        <translation>Nie udało się zmienić nazwy podświetlenia</translation>
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
        <translation>Zaloguj</translation>
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
        <translation>Tryb odtwarzania</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+1"/>
        <source>Play once</source>
        <translation>Odtwórz raz</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+2"/>
        <source>Continous playback on/off</source>
        <translation>Ciągłe odtwarzanie wł./wył.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="-1"/>
        <source>Play multiple times</source>
        <translation>Odtwórz wielokrotnie</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+2"/>
        <source>Play while assigned key is pressed</source>
        <translation>Odtwarzaj, gdy klawisz jest wciśnięty</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+1"/>
        <source>Play Number</source>
        <translation>Liczba powtórzeń</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+1"/>
        <source>Play Number 1,2,3...</source>
        <translation>Liczba powtórzeń 1, 2, 3...</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../src/keyassign/dmacrocmdpage.cpp" line="+1"/>
        <source>Assign Macro</source>
        <translation>Przypisz makro</translation>
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
        <translation>Przypisanie</translation>
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
        <translation>Nagrywanie makra</translation>
    </message>
    <message>
        <location line="+149"/>
        <source>Macro Group</source>
        <translation>Grupa makr</translation>
    </message>
    <message>
        <location line="+247"/>
        <source>Delay Setting</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Recording delay</source>
        <translation>Nagrywaj opóźnienia</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No delay</source>
        <translation>Bez opóźnień</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Default delay</source>
        <translation>Domyślne opóźnienie</translation>
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
        <translation>ms</translation>
    </message>
    <message>
        <location line="-1239"/>
        <source>Record</source>
        <translation>Nagrywanie</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Event List</source>
        <translation>Lista zdarzeń</translation>
    </message>
    <message>
        <location line="+263"/>
        <source>Record is empty</source>
        <translation>Nagranie jest puste</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Insert Event</source>
        <translation>Wstaw zdarzenie</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Insert event after</source>
        <translation>Wstaw za</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Insert event before</source>
        <translation>Wstaw przed</translation>
    </message>
    <message>
        <location line="+47"/>
        <location line="+566"/>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <location line="-532"/>
        <location line="+566"/>
        <source>Keyboard Event</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <location line="-556"/>
        <location line="+566"/>
        <source>Mouse Event</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <location line="-559"/>
        <location line="+424"/>
        <source>Delay</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <location line="-364"/>
        <source>Operate</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <location line="+38"/>
        <location line="+540"/>
        <location filename="../src/macro/dmacropage_events.cpp" line="+138"/>
        <location line="+59"/>
        <location line="+19"/>
        <source>Please enter a key</source>
        <translation>Naciśnij klawisz</translation>
    </message>
    <message>
        <location line="-514"/>
        <location line="+601"/>
        <source>Left Click</source>
        <translation>Lewy klik</translation>
    </message>
    <message>
        <location line="-578"/>
        <location line="+598"/>
        <source>Center Click</source>
        <translation>Środkowy klik</translation>
    </message>
    <message>
        <location line="-578"/>
        <location line="+598"/>
        <source>Right Click</source>
        <translation>Prawy klik</translation>
    </message>
    <message>
        <location line="-566"/>
        <source>Please enter delay number</source>
        <translation>Podaj opóźnienie</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Insert</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Property</source>
        <translation>Właściwość</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <location line="+167"/>
        <source>Press Key</source>
        <translation>Naciśnij klawisz</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <location line="+131"/>
        <source>Modify</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <location filename="../src/macro/dmacropage.cpp" line="+24"/>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/macro/dmacropage_recording.cpp" line="+68"/>
        <source>Start record</source>
        <translation>Nagrywaj</translation>
    </message>
    <message>
        <location line="+248"/>
        <source>Macro name can&apos;t be empty</source>
        <translation>Nazwa makra nie może być pusta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modify macro name successful</source>
        <translation>Zmieniono nazwę makra</translation>
    </message>
    <message>
        <location filename="../src/macro/dmacropage_events.cpp" line="-83"/>
        <location line="+55"/>
        <location line="+137"/>
        <source>Please select a specific location first</source>
        <translation>Najpierw wybierz pozycję</translation>
    </message>
    <message>
        <location line="-182"/>
        <location filename="../src/macro/dmacropage_recording.cpp" line="+82"/>
        <location line="+11"/>
        <location line="+37"/>
        <location line="+58"/>
        <source>The record of events has reached the limit</source>
        <translation>Osiągnięto limit nagranych zdarzeń</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Insert failed</source>
        <translation>Nie udało się wstawić</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Insert successful</source>
        <translation>Wstawiono</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Modify failed</source>
        <translation>Nie udało się zmienić</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Modify successful</source>
        <translation>Zmieniono</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Delete failed</source>
        <translation>Nie udało się usunąć</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Please select a macro first</source>
        <translation>Najpierw wybierz makro</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clear record macro failed</source>
        <translation>Nie udało się wyczyścić nagrania makra</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear record macro successful</source>
        <translation>Wyczyszczono nagranie makra</translation>
    </message>
    <message>
        <location filename="../src/macro/dmacropage_list.cpp" line="+37"/>
        <location line="+8"/>
        <source>Add macro failed</source>
        <translation>Nie udało się dodać makra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add macro successful</source>
        <translation>Dodano makro</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Delete macro</source>
        <translation>Usuń makro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keys of the current profile still play the macro &quot;%1&quot;. Delete it anyway? Those keys keep playing the macro as it is now.</source>
        <translation>Klawisze bieżącego profilu nadal odtwarzają makro „%1”. Usunąć je mimo to? Te klawisze będą dalej odtwarzać makro w obecnej postaci.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Delete macro failed</source>
        <translation>Nie udało się usunąć makra</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Delete macro successful</source>
        <translation>Usunięto makro</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Save directory</source>
        <translation>Folder zapisu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select save directory first</source>
        <translation>Najpierw wybierz folder zapisu</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+8"/>
        <location line="+8"/>
        <source>Export macro failed</source>
        <translation>Nie udało się wyeksportować makra</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export macro successful</source>
        <translation>Wyeksportowano makro</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open macro file</source>
        <translation>Otwórz plik makra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Macro files(*.xml)</source>
        <translation>Pliki makr (*.xml)</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+8"/>
        <location line="+7"/>
        <location line="+13"/>
        <source>Import macro failed</source>
        <translation>Nie udało się zaimportować makra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Import macro successful</source>
        <translation>Zaimportowano makro</translation>
    </message>
    <message>
        <location filename="../src/macro/dmacropage_recording.cpp" line="-188"/>
        <source>Stop record</source>
        <translation>Zatrzymaj nagrywanie</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Start record macro</source>
        <translation>Rozpocznij nagrywanie makra</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Stop record macro</source>
        <translation>Zatrzymaj nagrywanie makra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saving the recorded events failed</source>
        <translation>Nie udało się zapisać nagranych zdarzeń</translation>
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
        <translation>Ustawienia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The settings file was damaged and has been reset; the damaged copy was kept as %1</source>
        <translation>Plik ustawień był uszkodzony i został zresetowany; uszkodzona kopia została zachowana jako %1</translation>
    </message>
    <message>
        <location line="+314"/>
        <source>Update Firmware</source>
        <translation>Aktualizuj firmware</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Minimize(&amp;N)</source>
        <translation>Minimalizuj(&amp;N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maximize(&amp;X)</source>
        <translation>Maksymalizuj(&amp;X)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revert(&amp;R)</source>
        <translation>Przywróć(&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit(&amp;Q)</source>
        <translation>Zakończ(&amp;Q)</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>Keyboard service failed to start</source>
        <translation>Nie udało się uruchomić usługi klawiatury</translation>
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
        <translation>Przyciski myszy</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="-18"/>
        <source>Mouse Left</source>
        <translation>Lewy przycisk</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+1"/>
        <source>Mouse Center</source>
        <translation>Środkowy przycisk</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+1"/>
        <source>Mouse Right</source>
        <translation>Prawy przycisk</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+4"/>
        <source>Backward</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="-1"/>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="+3"/>
        <source>Sniper Key</source>
        <translation>Snajper</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="-4"/>
        <source>Scroll Down</source>
        <translation>Przewiń w dół</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmousekeypage.cpp" line="-1"/>
        <source>Scroll Up</source>
        <translation>Przewiń w górę</translation>
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
        <translation>Odtwórz/Pauza</translation>
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
        <translation>Następny utwór</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Prev track</source>
        <translation>Poprzedni utwór</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-5"/>
        <source>Volume +</source>
        <translation>Głośność +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Volume -</source>
        <translation>Głośność -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+5"/>
        <source>Player</source>
        <translation>Odtwarzacz</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Calculator</source>
        <translation>Kalkulator</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+2"/>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-1"/>
        <source>Browser</source>
        <translation>Przeglądarka</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+4"/>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="-2"/>
        <source>Screen brightness+</source>
        <translation>Jasność ekranu +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dmultimediapage.cpp" line="+1"/>
        <source>Screen brightness-</source>
        <translation>Jasność ekranu -</translation>
    </message>
</context>
<context>
    <name>DOnboardDownload</name>
    <message>
        <location filename="../src/device/link/donboarddownload.cpp" line="+33"/>
        <source>Download config successful</source>
        <translation>Zapisano ustawienia w klawiaturze</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Download config failed, Please try again</source>
        <translation>Nie udało się zapisać ustawień, spróbuj ponownie</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot read %1: nothing was written to the keyboard</source>
        <translation>Nie można odczytać %1: nic nie zostało zapisane w klawiaturze</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please wait until the download has finished</source>
        <translation>Poczekaj na zakończenie zapisu</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Too many macro keys (at most %1)</source>
        <translation>Za dużo klawiszy z makrami (maks. %1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A macro has more than %1 events</source>
        <translation>Makro ma więcej niż %1 zdarzeń</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Too many advanced keys (at most %1)</source>
        <translation>Za dużo klawiszy zaawansowanych (maks. %1)</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <location filename="../src/trigger/dperformancepage.cpp" line="+62"/>
        <source>If Win Lock is on:</source>
        <translation>Przy blokadzie Win:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable Windows key</source>
        <translation>Wyłącz klawisz Windows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable SHIFT+TAB</source>
        <translation>Wyłącz SHIFT+TAB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable ALT+TAB</source>
        <translation>Wyłącz ALT+TAB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable ALT+F4</source>
        <translation>Wyłącz ALT+F4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light into sleep:</source>
        <translation>Uśpienie podświetlenia:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Second</source>
        <translation>s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard into sleep:</source>
        <translation>Uśpienie klawiatury:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minute</source>
        <translation>min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prohibit Sleep</source>
        <translation>Bez uśpienia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Submit</source>
        <translation>Zatwierdź</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard properties</source>
        <translation>Właściwości klawiatury</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset current profile</source>
        <translation>Resetuj bieżący profil</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <location filename="../src/device/dprofilemenutoolwidget.cpp" line="+23"/>
        <source>Create</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Modify Name</source>
        <translation>Zmień nazwę</translation>
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
        <translation>Lekkie wciśnięcie</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/keyassign/dresetdefaultpage.cpp" line="+1"/>
        <source>Heavy Press</source>
        <translation>Mocne wciśnięcie</translation>
    </message>
    <message>
        <location line="+23"/>
        <location filename="../src/keyassign/dresetdefaultpage.cpp" line="-4"/>
        <source>Default</source>
        <translation>Domyślne</translation>
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
        <translation>Anuluj</translation>
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
        <translation>Klawisze zaawansowane</translation>
    </message>
    <message>
        <location filename="../src/keyassign/dseniorkeysbindingpage.cpp" line="+4"/>
        <location line="+44"/>
        <source>(missing)</source>
        <translation>(brak)</translation>
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
        <translation>Klawisze zaawansowane</translation>
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
        <translation>Utwórz</translation>
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
        <translation>Klawisz ma dwie funkcje: jedną przy przytrzymaniu, drugą przy kliknięciu.</translation>
    </message>
    <message>
        <location line="+65"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="-4"/>
        <source>Hold</source>
        <translation>Przytrzymanie</translation>
    </message>
    <message>
        <location line="+69"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+1"/>
        <source>Click</source>
        <translation>Kliknięcie</translation>
    </message>
    <message>
        <location line="+88"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+1"/>
        <source>Hold Duration</source>
        <translation>Czas przytrzymania</translation>
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
        <translation>Kliknij ten klawisz, aby włączyć lub wyłączyć ciągłe wyzwalanie.</translation>
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
        <translation>Brak klawiszy zaawansowanych</translation>
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
        <translation>Pojedynczy klawisz</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+1"/>
        <source>Key Combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>#scrollAreaWidgetContents_3{background-color:rgb(34, 34, 58);}</source>
        <translation>#scrollAreaWidgetContents_3{background-color:rgb(34, 34, 58);}</translation>
    </message>
    <message>
        <location filename="../src/advancedkeys/dseniorkeyspage.cpp" line="+372"/>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Osiągnięto maksymalną liczbę klawiszy zaawansowanych</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+6"/>
        <location line="+32"/>
        <location line="+20"/>
        <source>Operate failed</source>
        <translation>Operacja nieudana</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Create senior keys successful</source>
        <translation>Utworzono klawisz zaawansowany</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Keys are still bound to this senior key. Delete it anyway?</source>
        <translation>Do tego klawisza zaawansowanego są nadal przypisane klawisze. Usunąć go mimo to?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Delete senior keys successful</source>
        <translation>Usunięto klawisz zaawansowany</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <location filename="../src/advancedkeys/dseniorkeysrecordexplaindia.ui" line="+14"/>
        <source>Explain</source>
        <translation>Objaśnienie</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Single Key / Key Combination</source>
        <translation>Pojedynczy klawisz / Kombinacja klawiszy</translation>
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
        <translation>Ustawienia</translation>
    </message>
    <message>
        <location line="+111"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <location line="+60"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <location line="+47"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Theme</source>
        <translation>Motyw</translation>
    </message>
    <message>
        <location line="+35"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Background image</source>
        <translation>Obraz tła</translation>
    </message>
    <message>
        <location line="+35"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Uruchamiaj przy starcie systemu (zminimalizowany)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Close startup to tray</source>
        <translation>Przy zamknięciu minimalizuj do zasobnika</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Upgrade</source>
        <translation>Aktualizacja</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="+1"/>
        <source>Firmware upgrade check</source>
        <translation>Sprawdzaj aktualizacje firmware</translation>
    </message>
    <message>
        <location line="+160"/>
        <source>Application software</source>
        <translation>Aplikacja</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>Check Update</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/dsettingsdia.cpp" line="-120"/>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pink</source>
        <translation>Różowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other</source>
        <translation>Inny</translation>
    </message>
    <message>
        <location line="+153"/>
        <source>Set config success</source>
        <translation>Zastosowano ustawienia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set config failed</source>
        <translation>Nie udało się zastosować ustawień</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>No upgradeable devices found</source>
        <translation>Nie znaleziono urządzeń do aktualizacji</translation>
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
        <translation>Podświetlenie boczne</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="-21"/>
        <source>All light</source>
        <translation>Całe podświetlenie</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Overall light</source>
        <translation>Podświetlenie ogólne</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Interaction light</source>
        <translation>Podświetlenie interakcji</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Brightness +</source>
        <translation>Jasność +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Brightness -</source>
        <translation>Jasność -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Speed +</source>
        <translation>Prędkość +</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Speed -</source>
        <translation>Prędkość -</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Into full color</source>
        <translation>Tryb pełnego koloru</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Top color changed</source>
        <translation>Zmiana pierwszego koloru</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Bottom color changed</source>
        <translation>Zmiana drugiego koloru</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Close side light</source>
        <translation>Wyłącz podświetlenie boczne</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/keyassign/dsidelightcustomeventpage.cpp" line="+1"/>
        <source>Stop side light</source>
        <translation>Zatrzymaj podświetlenie boczne</translation>
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
        <translation>Punkty aktywacji dla akcji DKS</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <location filename="../src/advancedkeys/dstrokeconfigview.cpp" line="+90"/>
        <source>Operate failed</source>
        <translation>Operacja nieudana</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <location filename="../src/trigger/dtriggersettingpage.cpp" line="+116"/>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Czułość wciśnięcia i zwolnienia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quick trigger</source>
        <translation>Rapid Trigger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key calibration mode</source>
        <translation>Tryb kalibracji klawiszy</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Start calibration</source>
        <translation>Rozpocznij kalibrację</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All keys calibration</source>
        <translation>Kalibracja wszystkich klawiszy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Dostosuj skok aktywacji i skok resetu do tego, jak wciskasz i zwalniasz klawisz.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Możesz osobno ustawić skok dla wciśnięcia (aktywacja) i zwolnienia (reset) w trybie Rapid Trigger.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press</source>
        <translation>Wciśnięcie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Trigger</source>
        <translation>Aktywacja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Release</source>
        <translation>Zwolnienie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>The keyboard has not reported its key travel yet, please wait a moment</source>
        <translation>Klawiatura nie podała jeszcze skoku klawiszy, poczekaj chwilę</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <location filename="../src/firmware/dupdatefirmwaredia.cpp" line="+65"/>
        <source>Update Firmware</source>
        <translation>Aktualizuj firmware</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Nie odłączaj urządzenia podczas aktualizacji firmware!</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>DUpdateFirmwareDia</source>
        <translation>DUpdateFirmwareDia</translation>
    </message>
    <message>
        <location line="+211"/>
        <source>Update successful</source>
        <translation>Aktualizacja zakończona</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Update failed</source>
        <translation>Aktualizacja nieudana</translation>
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
        <translation>Klawiatura wirtualna</translation>
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
        <translation>Zamknięcie programu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Conflict, software out of operation!</source>
        <translation>Konflikt, program nie może działać!</translation>
    </message>
    <message>
        <location filename="../src/app/ddatamanager_keyfunction.cpp" line="+56"/>
        <source>Volume +</source>
        <translation>Głośność +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume -</source>
        <translation>Głośność -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play/Pause</source>
        <translation>Odtwórz/Pauza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next track</source>
        <translation>Następny utwór</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prev track</source>
        <translation>Poprzedni utwór</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Player</source>
        <translation>Odtwarzacz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calculator</source>
        <translation>Kalkulator</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser</source>
        <translation>Przeglądarka</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Screen brightness+</source>
        <translation>Jasność ekranu +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Screen brightness-</source>
        <translation>Jasność ekranu -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mouse Left</source>
        <translation>Lewy przycisk</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mouse Center</source>
        <translation>Środkowy przycisk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mouse Right</source>
        <translation>Prawy przycisk</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scroll Up</source>
        <translation>Przewiń w górę</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll Down</source>
        <translation>Przewiń w dół</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backward</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sniper Key</source>
        <translation>Snajper</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Switch windows</source>
        <translation>Przełącz okna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show desktop</source>
        <translation>Pokaż pulpit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>My computer</source>
        <translation>Mój komputer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock computer</source>
        <translation>Zablokuj komputer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>Overall light</source>
        <translation>Podświetlenie ogólne</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+4"/>
        <source>Interaction light</source>
        <translation>Podświetlenie interakcji</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+4"/>
        <source>All light</source>
        <translation>Całe podświetlenie</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Static</source>
        <translation>Statyczny</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Brightness +</source>
        <translation>Jasność +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brightness -</source>
        <translation>Jasność -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed +</source>
        <translation>Prędkość +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed -</source>
        <translation>Prędkość -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Direction +1</source>
        <translation>Kierunek +1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Direction -1</source>
        <translation>Kierunek -1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Direction Loop</source>
        <translation>Kierunek w pętli</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Into full color</source>
        <translation>Tryb pełnego koloru</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top color changed</source>
        <translation>Zmiana pierwszego koloru</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom color changed</source>
        <translation>Zmiana drugiego koloru</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom 1</source>
        <translation>Własny 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom 2</source>
        <translation>Własny 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock/Unlock Win</source>
        <translation>Blokuj/odblokuj Win</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock win</source>
        <translation>Zablokuj Win</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unlock win</source>
        <translation>Odblokuj Win</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default layer</source>
        <translation>Warstwa domyślna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FN layer</source>
        <translation>Warstwa FN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FN1 layer</source>
        <translation>Warstwa FN1</translation>
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
        <translation>Przełącz na 2.4G</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB switching</source>
        <translation>Przełącz na USB</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Lock keyboard</source>
        <translation>Zablokuj klawiaturę</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Power query</source>
        <translation>Poziom baterii</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Close all</source>
        <translation>Wyłącz wszystko</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close back light</source>
        <translation>Wyłącz podświetlenie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop back light</source>
        <translation>Zatrzymaj podświetlenie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Light recording</source>
        <translation>Nagrywanie podświetlenia</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Close side light</source>
        <translation>Wyłącz podświetlenie boczne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop side light</source>
        <translation>Zatrzymaj podświetlenie boczne</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage.cpp" line="+93"/>
        <location line="+525"/>
        <source>Device List</source>
        <translation>Lista urządzeń</translation>
    </message>
    <message>
        <location line="-524"/>
        <location line="+525"/>
        <source>Device not connected</source>
        <translation>Urządzenie niepodłączone</translation>
    </message>
    <message>
        <location line="-524"/>
        <location line="+525"/>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <location line="-306"/>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Trwa kalibracja klawisza, poczekaj chwilę</translation>
    </message>
    <message>
        <location line="+136"/>
        <source>Key Custom</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light Setting</source>
        <translation>Podświetlenie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Performance</source>
        <translation>Wydajność</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trigger Setting</source>
        <translation>Aktywacja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Senior Keys</source>
        <translation>Klawisze zaawansowane</translation>
    </message>
    <message>
        <location line="+166"/>
        <location line="+32"/>
        <source>All keys calibration in progress ...</source>
        <translation>Trwa kalibracja wszystkich klawiszy...</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_opening.cpp" line="+157"/>
        <source>The device is offline</source>
        <translation>Urządzenie jest offline</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The device has been turned on</source>
        <translation>Urządzenie zostało włączone</translation>
    </message>
    <message>
        <location filename="../src/device/ddevicepage_profiles.cpp" line="-77"/>
        <source>Device not responding, please reconnect</source>
        <translation>Urządzenie nie odpowiada, podłącz je ponownie</translation>
    </message>
    <message>
        <location filename="../src/keyboardview/keyselectframe.cpp" line="+231"/>
        <source>Cannot remapped</source>
        <translation>Nie można zmienić przypisania</translation>
    </message>
    <message>
        <location filename="../src/advancedkeys/dseniorkeysrecordexplaindia.cpp" line="+23"/>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>Gdy wybrano „Pojedynczy klawisz”, wystarczy kliknąć wybrany klawisz, aby zakończyć konfigurację;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Gdy wybrano „Kombinacja klawiszy”, trzeba wybrać co najmniej jeden klawisz modyfikujący i jeden inny klawisz, np. L_Shift+A lub L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>Klawisz może pełnić do czterech funkcji: od 1 do 4 funkcji można przypisać do czterech różnych głębokości wciśnięcia.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Klawisz ma dwie funkcje: jedną przy przytrzymaniu, drugą przy kliknięciu.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Kliknij ten klawisz, aby włączyć lub wyłączyć ciągłe wyzwalanie.</translation>
    </message>
    <message>
        <location filename="../src/lighting/dlightsconfigpage.cpp" line="-323"/>
        <source>The device has no atmosphere lamp</source>
        <translation>Urządzenie nie ma podświetlenia bocznego</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <location filename="../src/keyboardview/keycatalogue.cpp" line="+92"/>
        <source>Chinese</source>
        <translation>Chiński</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Korean/English</source>
        <translation>Koreański/angielski</translation>
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
        <translation>1. Objaśnienie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.Explain</source>
        <translation>2. Objaśnienie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.Explain</source>
        <translation>3. Objaśnienie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4.Explain</source>
        <translation>4. Objaśnienie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5.Explain</source>
        <translation>5. Objaśnienie</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Explain</source>
        <translation>Objaśnienie</translation>
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
        <translation>Przy blokadzie Win:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable Windows key</source>
        <translation>Wyłącz klawisz Windows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable SHIFT+TAB</source>
        <translation>Wyłącz SHIFT+TAB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable ALT+TAB</source>
        <translation>Wyłącz ALT+TAB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disable ALT+F4</source>
        <translation>Wyłącz ALT+F4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light into sleep:</source>
        <translation>Uśpienie podświetlenia:</translation>
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
        <translation>s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard into sleep:</source>
        <translation>Uśpienie klawiatury:</translation>
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
        <translation>min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prohibit Sleep</source>
        <translation>Bez uśpienia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Submit</source>
        <translation>Zatwierdź</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard properties</source>
        <translation>Właściwości klawiatury</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset current profile</source>
        <translation>Resetuj bieżący profil</translation>
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
        <translation>Dostosuj skok aktywacji i skok resetu do tego, jak wciskasz i zwalniasz klawisz.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Secondary sensitivity</source>
        <translation>Osobna czułość</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Możesz osobno ustawić skok dla wciśnięcia (aktywacja) i zwolnienia (reset) w trybie Rapid Trigger.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Press/Release</source>
        <translation>Wciśnięcie/zwolnienie</translation>
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
        <translation>Wciśnięcie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Release</source>
        <translation>Zwolnienie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key anti shake</source>
        <translation>Debounce</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate return</source>
        <translation>Częstotliwość odpytywania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Into calibration mode</source>
        <translation>Tryb kalibracji</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+3"/>
        <source>Start calibration</source>
        <translation>Rozpocznij kalibrację</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>All keys calibration</source>
        <translation>Kalibracja wszystkich klawiszy</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Intensity tracking</source>
        <translation>Śledzenie siły nacisku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset sensitivity</source>
        <translation>Resetuj czułość</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <location filename="../src/firmware/updatefirmwareinfoitem.cpp" line="+60"/>
        <source>Product name:</source>
        <translation>Urządzenie:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update progress:</source>
        <translation>Postęp:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current version:</source>
        <translation>Obecna wersja:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New version:</source>
        <translation>Nowa wersja:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete</source>
        <translation>Gotowe</translation>
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
        <translation>Eksportuj</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/macro/macromenutoolwidget.cpp" line="-1"/>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/macro/macromenutoolwidget.cpp" line="+2"/>
        <source>Modify Name</source>
        <translation>Zmień nazwę</translation>
    </message>
</context>
</TS>
