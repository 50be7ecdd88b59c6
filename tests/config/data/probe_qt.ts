<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Probe</name>
    <message>
        <source>QtOnly</source>
        <translation>qt</translation>
    </message>
</context>
</TS>
