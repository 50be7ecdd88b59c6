<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <location filename="../app/main.cpp" line="+17"/>
        <source>TARNTool</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TARN::TarnHandler</name>
    <message>
        <location filename="../discovery/tarnhandler.cpp" line="+179"/>
        <source>Incorrect parameters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sending the data failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Device rejected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sending failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Receiving failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Device is locked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The encrypted string is required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The exported file is expired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrong password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid GUID.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Incorrect answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting the number of security questions failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid verification code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error%1:others</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnTool::HintBox</name>
    <message>
        <location filename="../aptui/hintbox.cpp" line="+26"/>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnTool::TARNToolMainPage</name>
    <message>
        <location filename="../app/tarntoolmainpage.cpp" line="+32"/>
        <location line="+2"/>
        <source>TARN Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit the TARN software?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnTool::TipDialog</name>
    <message>
        <location filename="../aptui/tipdialog.cpp" line="+38"/>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>sure</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>apt::ToolsApplication</name>
    <message>
        <location filename="../app/toolsapplication.cpp" line="+71"/>
        <location line="+1"/>
        <source>TARN is already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Display resolution less than 1024*768,are you sure to start the program?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aptui::BaseDialog</name>
    <message>
        <location filename="../aptui/basedialog.cpp" line="+54"/>
        <source>BaseDialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>null content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
