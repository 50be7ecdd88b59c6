<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <location filename="../app/main.cpp" line="+17"/>
        <source>TARNTool</source>
        <translation>TARN工具</translation>
    </message>
</context>
<context>
    <name>TARN::TarnHandler</name>
    <message>
        <location filename="../discovery/tarnhandler.cpp" line="+179"/>
        <source>Incorrect parameters.</source>
        <translation>参数错误。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sending the data failed.</source>
        <translation>数据发送失败。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Device rejected.</source>
        <translation>设备拒绝。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time out.</source>
        <translation>超时。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sending failed.</source>
        <translation>发送失败。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Receiving failed.</source>
        <translation>接收失败。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Device is locked.</source>
        <translation>设备已锁定。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The encrypted string is required.</source>
        <translation>需要加密字符串。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The exported file is expired.</source>
        <translation>导出的文件已过期。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrong password.</source>
        <translation>密码错误。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid GUID.</source>
        <translation>GUID无效。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Incorrect answer.</source>
        <translation>答案错误。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting the number of security questions failed.</source>
        <translation>设置安全问题数量失败。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid verification code.</source>
        <translation>验证码无效。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error%1:others</source>
        <translation>错误%1：其他</translation>
    </message>
</context>
<context>
    <name>TarnTool::HintBox</name>
    <message>
        <location filename="../aptui/hintbox.cpp" line="+26"/>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>TarnTool::TARNToolMainPage</name>
    <message>
        <location filename="../app/tarntoolmainpage.cpp" line="+32"/>
        <location line="+2"/>
        <source>TARN Tool</source>
        <translation>TARN 工具</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit the TARN software?</source>
        <translation>确定退出TARN软件吗？</translation>
    </message>
</context>
<context>
    <name>TarnTool::TipDialog</name>
    <message>
        <location filename="../aptui/tipdialog.cpp" line="+38"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>sure</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>apt::ToolsApplication</name>
    <message>
        <location filename="../app/toolsapplication.cpp" line="+71"/>
        <location line="+1"/>
        <source>TARN is already running.</source>
        <translation>TARN 已在运行。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Display resolution less than 1024*768,are you sure to start the program?</source>
        <translation>显示分辨率低于1024*768，确定要启动程序吗？</translation>
    </message>
</context>
<context>
    <name>aptui::BaseDialog</name>
    <message>
        <location filename="../aptui/basedialog.cpp" line="+54"/>
        <source>BaseDialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>null content</source>
        <translation>无内容</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
