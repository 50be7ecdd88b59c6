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
    <name>TarnTool::DeviceInfoModel</name>
    <message>
        <location filename="../devicelist/deviceinfomodel.cpp" line="+25"/>
        <location line="+42"/>
        <location line="+6"/>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <location line="-48"/>
        <location line="+40"/>
        <location line="+9"/>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>Activated</source>
        <translation>已激活</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Not activated</source>
        <translation>未激活</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+3"/>
        <location line="+27"/>
        <location line="+6"/>
        <source>N/A</source>
        <translation>不适用</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+9"/>
        <source>ON</source>
        <translation>开启</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+10"/>
        <source>OFF</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>ID</source>
        <translation>序号</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Device Type</source>
        <translation>设备类型</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Activate</source>
        <translation>激活状态</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IPv4 Address</source>
        <translation>IPv4地址</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enhanced SDK Service Port</source>
        <translation>增强SDK服务端口</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Soft Vision</source>
        <translation>软件版本</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IPv4 GateWay</source>
        <translation>IPv4网关</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HttpPort</source>
        <translation>HTTP端口</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IPv4 Mask</source>
        <translation>IPv4子网掩码</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MAC</source>
        <translation>MAC地址</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel NO</source>
        <translation>通道数</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSP Vision</source>
        <translation>DSP版本</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Time</source>
        <translation>启动时间</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IPv6 Address</source>
        <translation>IPv6地址</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IPv6 GateWay</source>
        <translation>IPv6网关</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IPv6 Prefix Length</source>
        <translation>IPv6前缀长度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Is Support IPv6</source>
        <translation>是否支持IPv6</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Is Support Mod IPv6</source>
        <translation>是否支持修改IPv6</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Is Support DHCP</source>
        <translation>是否支持DHCP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IPv4 DHCP</source>
        <translation>IPv4 DHCP</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Support Pellaris</source>
        <translation>支持Pellaris</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pellaris Status</source>
        <translation>Pellaris状态</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Support Orbelo</source>
        <translation>支持Orbelo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Orbelo Status</source>
        <translation>Orbelo状态</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Support Skyvane</source>
        <translation>支持Skyvane</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Skyvane Status</source>
        <translation>Skyvane状态</translation>
    </message>
</context>
<context>
    <name>TarnTool::DevicesInfoSavePage</name>
    <message>
        <location filename="../export/devicesinfosavepage.cpp" line="+52"/>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>File name:</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>File path:</source>
        <translation>文件路径：</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Device Serial Number</source>
        <translation>设备序列号</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Index</source>
        <translation>序号</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Please input file name.</source>
        <translation>请输入文件名。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please input file path.</source>
        <translation>请输入文件路径。</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+10"/>
        <source>Saving failed.</source>
        <translation>保存失败。</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>The file name has been used, please change it</source>
        <translation>文件名已被使用，请更换</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Saving succeed.</source>
        <translation>保存成功。</translation>
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
