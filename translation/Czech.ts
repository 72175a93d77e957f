<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>DDataManager</name>
    <message>
        <location filename="../src/app/ddatamanager.cpp" line="32"/>
        <source>Unknow</source>
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
</context>
</TS>
