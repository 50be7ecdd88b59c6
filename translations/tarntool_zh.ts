<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../app/aboutdialog.cpp" line="+14"/>
        <source>TARN</source>
        <translation>TARN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User Help</source>
        <translation>用户帮助</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Open Source License</source>
        <translation>开源许可</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>No user manual found.</source>
        <translation>未找到用户手册。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Open Open Source Software Licenses file directory failed.</source>
        <translation>打开开源软件许可文件目录失败。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../app/main.cpp" line="+19"/>
        <source>TARNTool</source>
        <translation>TARN工具</translation>
    </message>
</context>
<context>
    <name>TARN::TarnHandler</name>
    <message>
        <location filename="../discovery/tarnhandler.cpp" line="+183"/>
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
    <name>TarnTool::ActivationFormCheck</name>
    <message>
        <location filename="../deviceconfig/activationformcheck.cpp" line="+31"/>
        <source>The password can not be empty.</source>
        <translation>密码不能为空。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Valid password range [8-16]. You can use a combination of numbers,lowercase, uppercase and special character for your password with at least two kinds of them contained.</source>
        <translation>密码长度范围为[8-16]位，可使用数字、小写字母、大写字母和特殊字符的组合，且至少包含其中两种。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The password can not contain userName.</source>
        <translation>密码不能包含用户名。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please select a device.</source>
        <translation>请选择设备。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The password you typed do not match.</source>
        <translation>两次输入的密码不一致。</translation>
    </message>
</context>
<context>
    <name>TarnTool::BatchProgressDialog</name>
    <message>
        <location filename="../deviceconfig/batchprogressdialog.cpp" line="+62"/>
        <source>%1 of %2</source>
        <translation>第%1个，共%2个</translation>
    </message>
</context>
<context>
    <name>TarnTool::DeviceActivePage</name>
    <message>
        <location filename="../deviceconfig/deviceactivepage.cpp" line="+97"/>
        <source>Batch devices network parameters</source>
        <translation>批量设备网络参数</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sorry,the devices you have chosen has not activated devices</source>
        <translation>对不起，您选择的设备中含有未激活设备</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Note: please activate</source>
        <translation>提示：请先激活</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the device</source>
        <translation>设备</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>to perform other operations</source>
        <translation>再进行其他操作</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Device active</source>
        <translation>设备激活</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Batch devices active</source>
        <translation>批量设备激活</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Device not activated</source>
        <translation>设备未激活</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The network parameters can be modified after the device is activated</source>
        <translation>设备激活后才能修改网络参数</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active now</source>
        <translation>立即激活</translation>
    </message>
</context>
<context>
    <name>TarnTool::DeviceDisplayPage</name>
    <message>
        <location filename="../devicelist/devicedisplaypage.cpp" line="+138"/>
        <source>Total number of online devices:</source>
        <translation>在线设备总数：</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Succeed</source>
        <translation>成功</translation>
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
        <location filename="../devicelist/devicedisplaypage.cpp" line="+115"/>
        <location filename="../devicelist/deviceinfomodel.cpp" line="+5"/>
        <location line="+3"/>
        <location line="+27"/>
        <location line="+6"/>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <location filename="../devicelist/deviceinfomodel.cpp" line="-8"/>
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
    <name>TarnTool::DeviceModifyPage</name>
    <message>
        <location filename="../deviceconfig/devicemodifypage.cpp" line="+166"/>
        <source>New Password:</source>
        <translation>新密码：</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Confirm Password:</source>
        <translation>确认密码：</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Channel Password:</source>
        <translation>通道密码：</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Wifi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Area/Country:</source>
        <translation>地区/国家：</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Active</source>
        <translation>激活</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>set wifi sid</source>
        <translation>设置Wi-Fi网络</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ssid:</source>
        <translation>SSID：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>back</source>
        <translation>返回</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cofigure</source>
        <translation>配置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>check</source>
        <translation>检测</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Admin Password:</source>
        <translation>管理员密码：</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forget Password</source>
        <translation>忘记密码</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Succeed</source>
        <translation>成功</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>China</source>
        <translation>中国</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>NorthAmerica</source>
        <translation>北美</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Japan</source>
        <translation>日本</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Europe</source>
        <translation>欧洲</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>World</source>
        <translation>全球</translation>
    </message>
    <message>
        <location line="+324"/>
        <source>Please select a device.</source>
        <translation>请选择设备。</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Sorry, please select the equipment.</source>
        <translation>对不起，请选择设备。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sorry, please enter the administrator password.</source>
        <translation>对不起，请输入管理员密码。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Modify network parameters succeed.</source>
        <translation>修改网络参数成功。</translation>
    </message>
    <message>
        <location line="+125"/>
        <location line="+283"/>
        <source>Device deny.</source>
        <translation>设备拒绝。</translation>
    </message>
    <message>
        <location line="-281"/>
        <location line="+283"/>
        <source>Time out.</source>
        <translation>超时。</translation>
    </message>
    <message>
        <location line="-281"/>
        <location line="+288"/>
        <location line="+15"/>
        <location line="+12"/>
        <location line="+13"/>
        <source>Error%1:others</source>
        <translation>错误%1：其他</translation>
    </message>
    <message>
        <location line="-319"/>
        <source>Activate Succeed.</source>
        <translation>激活成功。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Set wifi region succeed.</source>
        <translation>设置Wi-Fi地区成功。</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set wifi region failed.</source>
        <translation>设置Wi-Fi地区失败。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Set wifi enhancement succeed.</source>
        <translation>开启Wi-Fi增强成功。</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set wifi enhancement failed.</source>
        <translation>开启Wi-Fi增强失败。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close wifi enhancement succeed.</source>
        <translation>关闭Wi-Fi增强成功。</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close wifi enhancement failed.</source>
        <translation>关闭Wi-Fi增强失败。</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Set error:device does not support channel default password.</source>
        <translation>设置错误：设备不支持通道默认密码。</translation>
    </message>
    <message>
        <location line="+65"/>
        <location line="+22"/>
        <source>Not Exported</source>
        <translation>未导出</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+1"/>
        <location line="+21"/>
        <location line="+1"/>
        <source>Not Suport</source>
        <translation>不支持</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+22"/>
        <source>Not Set</source>
        <translation>未设置</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>The ssid can not be empty.</source>
        <translation>SSID不能为空。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The WiFi password can not be empty.</source>
        <translation>Wi-Fi密码不能为空。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Valid password range [8-64].</source>
        <translation>有效密码长度范围为[8-64]。</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Not Support.</source>
        <translation>不支持。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Check Failed.</source>
        <translation>检测失败。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Locked,lock time:%1minutes</source>
        <translation>已锁定，锁定时间：%1分钟</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Locked.</source>
        <translation>已锁定。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error password, retry times:%1</source>
        <translation>密码错误，剩余尝试次数：%1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error%1:device deny</source>
        <translation>错误%1：设备拒绝</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error%1:time out</source>
        <translation>错误%1：超时</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Error%1:Device deny.</source>
        <translation>错误%1：设备拒绝。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error%1:reactive</source>
        <translation>错误%1：设备已激活</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Error%1:parameter error.</source>
        <translation>错误%1：参数错误。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error%1:send data failed.</source>
        <translation>错误%1：发送数据失败。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error%1:device deny.</source>
        <translation>错误%1：设备拒绝。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error%1:time out.</source>
        <translation>错误%1：超时。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error%1:Incorrect password.</source>
        <translation>错误%1：密码错误。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error%1:Incorrect verification code.</source>
        <translation>错误%1：验证码错误。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error%1:other.</source>
        <translation>错误%1：其他。</translation>
    </message>
</context>
<context>
    <name>TarnTool::DeviceModifyResultPage</name>
    <message>
        <location filename="../deviceconfig/devicemodifyresultpage.cpp" line="+42"/>
        <source>Confirmation List</source>
        <translation>确认列表</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Devices Number:</source>
        <translation>设备数量：</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Failed Number:</source>
        <translation>失败数量：</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <location filename="../deviceconfig/modifyresultcolumns.cpp" line="+9"/>
        <source>Succeed</source>
        <translation>成功</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Part Succeed</source>
        <translation>部分成功</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Enable Pellaris</source>
        <translation>启用Pellaris</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enable Orbelo service</source>
        <translation>启用Orbelo服务</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enable Skyvane service</source>
        <translation>启用Skyvane服务</translation>
    </message>
    <message>
        <location line="+7"/>
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
        <source>IPv4 Address</source>
        <translation>IPv4地址</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Modification</source>
        <translation>修改</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export GUID</source>
        <translation>导出GUID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wifi Set</source>
        <translation>Wi-Fi设置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel Password</source>
        <translation>通道密码</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reserved Email</source>
        <translation>预留邮箱</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>ON</source>
        <translation>开启</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OFF</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <location filename="../deviceconfig/modifyresultflow.cpp" line="+36"/>
        <location line="+13"/>
        <source>Activation</source>
        <translation>激活</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Batch activate devices</source>
        <translation>批量激活设备</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Activate fail numbers</source>
        <translation>激活失败数量</translation>
    </message>
</context>
<context>
    <name>TarnTool::DeviceNetParaPage</name>
    <message>
        <location filename="../deviceconfig/devicenetparapage.cpp" line="+111"/>
        <location line="+3"/>
        <source>Enable DHCP</source>
        <translation>启用DHCP</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>StartIp:</source>
        <translation>起始IP：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please set the start Ip address,then add one</source>
        <translation>请设置起始IP地址，后续设备依次加一</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Device Serial:</source>
        <translation>设备序列号：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>IP Address:</source>
        <translation>IP地址：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port:</source>
        <translation>端口：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Service Port:</source>
        <translation>服务端口：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subnet Mask:</source>
        <translation>子网掩码：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gateway:</source>
        <translation>网关：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IPv6 Address:</source>
        <translation>IPv6地址：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>IPv6 Gateway:</source>
        <translation>IPv6网关：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>IPv6 Prefix Length:</source>
        <translation>IPv6前缀长度：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Http Port:</source>
        <translation>HTTP端口：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Security Verification</source>
        <translation>安全验证</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Modify Network parameters</source>
        <translation>修改网络参数</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Batch Modify Network parameters</source>
        <translation>批量修改网络参数</translation>
    </message>
    <message>
        <location filename="../deviceconfig/netparafieldchecks.cpp" line="+44"/>
        <source>Please input IP Address.</source>
        <translation>请输入IP地址。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>IP Address not correct.</source>
        <translation>IP地址不正确。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Device port ranges from 2000 to 65535.</source>
        <translation>设备端口范围为2000到65535。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Http port ranges from 1 to 65535.</source>
        <translation>HTTP端口范围为1到65535。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>SDK Service Port ranges from 2000 to 65535.</source>
        <translation>SDK服务端口范围为2000到65535。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Subnet mask can not be empty.</source>
        <translation>子网掩码不能为空。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Subnet Mask not correct.</source>
        <translation>子网掩码不正确。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Gateway can not be empty</source>
        <translation>网关不能为空</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Gateway not correct.</source>
        <translation>网关不正确。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>IPv6 Address not correct.</source>
        <translation>IPv6地址不正确。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>IPv6 gateway not correct.</source>
        <translation>IPv6网关不正确。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>IPv6 prefix length ranges from 0 to 127.</source>
        <translation>IPv6前缀长度范围为0到127。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not enough addresses for %1 devices: batch addresses end at 255.255.255.254.</source>
        <translation>地址不足以分配给%1台设备：批量地址最大为255.255.255.254。</translation>
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
    <name>TarnTool::EmailSecurityTipDialog</name>
    <message>
        <location filename="../recovery/emailsecuritytipdialog.cpp" line="+45"/>
        <source>To reset the password by Reserved Email, you should provide your email address and the requesting information to Ostrel. Please click on the link and read our &lt;Privacy Policy&gt; carefully , you will be deemed to have been fully accepted it by clicking Next. If you have any questions, please close this page and choose other types.</source>
        <translation>通过预留邮箱重置密码，需要向Ostrel提供您的邮箱地址及请求信息。请点击链接并仔细阅读我们的《隐私政策》，点击“下一步”即视为您已完全接受该政策。如有任何疑问，请关闭此页面并选择其他方式。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Privacy policy</source>
        <translation>隐私政策</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>https://www.ostrel.com/en/privacy-policy/</source>
        <translation>https://www.ostrel.com/cn/privacy-policy/</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>NEXT</source>
        <translation>下一步</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>CLOSE</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>TarnTool::GuidAndQustionDialog</name>
    <message>
        <location filename="../recovery/guidandqustiondialog.cpp" line="+94"/>
        <source>guid</source>
        <translation>GUID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>question</source>
        <translation>安全问题</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>email</source>
        <translation>邮箱</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Export Guid File/Set Question/Email</source>
        <translation>导出GUID文件/设置安全问题/邮箱</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Mode:</source>
        <translation>模式：</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Export GUID File:</source>
        <translation>导出GUID文件：</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Security Question 1:</source>
        <translation>安全问题1：</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Security Question 2:</source>
        <translation>安全问题2：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Security Question 3:</source>
        <translation>安全问题3：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer 1:</source>
        <translation>答案1：</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Answer 2:</source>
        <translation>答案2：</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Answer 3:</source>
        <translation>答案3：</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Set Reserved Email：</source>
        <translation>设置预留邮箱：</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Used for resetting password. When resetting password, send the QR code to the server and a verification code will be sent to your reserved email address. Use that code to reset the admin password.</source>
        <translation>用于重置密码。重置密码时，将二维码发送至服务器，验证码将发送到您的预留邮箱，使用该验证码重置管理员密码。</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>File path cannot be empty.</source>
        <translation>文件路径不能为空。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Get GUID file failed.</source>
        <translation>获取GUID文件失败。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Export completed.</source>
        <translation>导出完成。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Export failed.</source>
        <translation>导出失败。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Answer cannot be empty.</source>
        <translation>答案不能为空。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Answer is too long.</source>
        <translation>答案过长。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The security questions cannot be same.</source>
        <translation>安全问题不能相同。</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Set security questions failed.</source>
        <translation>设置安全问题失败。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set security questions successed.</source>
        <translation>设置安全问题成功。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The Email cannot be empty.</source>
        <translation>邮箱不能为空。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The Email is too long.</source>
        <translation>邮箱地址过长。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Set reserved email successed.</source>
        <translation>设置预留邮箱成功。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Set reserved email failed.</source>
        <translation>设置预留邮箱失败。</translation>
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
    <name>TarnTool::PasswordStrengthMeter</name>
    <message>
        <location filename="../deviceconfig/passwordstrengthmeter.cpp" line="+50"/>
        <location line="+8"/>
        <source>Strong</source>
        <translation>强</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Weak</source>
        <translation>弱</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Medium</source>
        <translation>中</translation>
    </message>
</context>
<context>
    <name>TarnTool::RecoverySetupStateText</name>
    <message>
        <location filename="../recovery/recoverysetupstatetext.cpp" line="+7"/>
        <source>Not Suport</source>
        <translation>不支持</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Export completed</source>
        <translation>导出完成</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Export Failed</source>
        <translation>导出失败</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>successed.</source>
        <translation>成功。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>failed.</source>
        <translation>失败。</translation>
    </message>
</context>
<context>
    <name>TarnTool::ResetPasswordCheck</name>
    <message>
        <location filename="../recovery/resetpasswordcheck.cpp" line="+29"/>
        <location line="+3"/>
        <source>The password can not be empty.</source>
        <translation>密码不能为空。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The password you typed do not match.</source>
        <translation>两次输入的密码不一致。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The password can not contain userName.</source>
        <translation>密码不能包含用户名。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>8 to 16 digits. The combination should contain at least two of the following types: numbers, upper case letters, lower case letters, special characters (!&quot;#$%&amp;&apos;()*+,-./:;&lt;=&gt;?@[]^_`{|}~ and space.</source>
        <translation>8到16位，至少包含以下类型中的两种：数字、大写字母、小写字母、特殊字符（!&quot;#$%&amp;&apos;()*+,-./:;&lt;=&gt;?@[]^_`{|}~ 及空格）。</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Valid password range [8-16]. You can use a combination of numbers, lowercase, uppercase and special character for your password with at least two kinds of them contained.</source>
        <translation>密码长度范围为[8-16]位。密码可由数字、小写字母、大写字母和特殊字符组合而成，且至少包含其中两种。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Valid password range [8-16]. You can use a combination of numbers, lowercase, uppercase and special character for your password with at least three kinds of them contained.</source>
        <translation>密码长度范围为[8-16]位。密码可由数字、小写字母、大写字母和特殊字符组合而成，且至少包含其中三种。</translation>
    </message>
</context>
<context>
    <name>TarnTool::ResetPasswordDialog</name>
    <message>
        <location filename="../recovery/resetpassworddialog.cpp" line="+165"/>
        <source>Reset Password</source>
        <translation>重置密码</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Key authentication</source>
        <translation>密钥认证</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>guid</source>
        <translation>GUID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>question</source>
        <translation>密保问题</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>email</source>
        <translation>邮箱</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Security Mode:</source>
        <translation>安全模式：</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The first step, please use the two-dimensional code or directly export the key application documents, contact and send to the software manufacturer to obtain the key;</source>
        <translation>第一步，请使用二维码或直接导出密钥申请文件，联系并发送给软件厂商以获取密钥；</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>QR code</source>
        <translation>二维码</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Second step, import the key information from the manufacturer;</source>
        <translation>第二步，导入厂商提供的密钥信息；</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ManualInput</source>
        <translation>手动输入</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>AutoInput</source>
        <translation>导入文件</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+66"/>
        <location line="+80"/>
        <location line="+84"/>
        <source>User Name:</source>
        <translation>用户名：</translation>
    </message>
    <message>
        <location line="-224"/>
        <location line="+66"/>
        <location line="+79"/>
        <location line="+84"/>
        <source>New Password:</source>
        <translation>新密码：</translation>
    </message>
    <message>
        <location line="-216"/>
        <location line="+67"/>
        <location line="+76"/>
        <location line="+83"/>
        <source>Confirm Password:</source>
        <translation>确认密码：</translation>
    </message>
    <message>
        <location line="-218"/>
        <location line="+68"/>
        <location line="+73"/>
        <location line="+81"/>
        <source>Reset IPC</source>
        <translation>同步重置IPC</translation>
    </message>
    <message>
        <location line="-201"/>
        <source>Import GUID File:</source>
        <translation>导入GUID文件：</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Security Question 1:</source>
        <translation>密保问题1：</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Security Question 2:</source>
        <translation>密保问题2：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Security Question 3:</source>
        <translation>密保问题3：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer 1:</source>
        <translation>答案1：</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Answer 2:</source>
        <translation>答案2：</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Answer 3:</source>
        <translation>答案3：</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>1.  Export the QR code, and send it to</source>
        <translation>1.  导出二维码，并发送至</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>as attachment.</source>
        <translation>（作为附件）。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>2.  You will receive a verification code within 5 Min in</source>
        <translation>2.  请求发送后，您将在5分钟内于</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>your reserved e-mail :</source>
        <translation>您的预留邮箱：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>after the request is sent.</source>
        <translation>收到验证码。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>3.  Enter verification code into the following text field.</source>
        <translation>3.  在下面的输入框中输入验证码。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>code</source>
        <translation>验证码</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export XML</source>
        <translation>导出XML</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No reserved e-mail address exists. You cannot use this way for verification.</source>
        <translation>不存在预留邮箱，无法使用此方式进行验证。</translation>
    </message>
    <message>
        <location line="+255"/>
        <source>Get questions failed.</source>
        <translation>获取密保问题失败。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please set questions first.</source>
        <translation>请先设置密保问题。</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+31"/>
        <location line="+6"/>
        <source>Generate QR code error.</source>
        <translation>生成二维码失败。</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+91"/>
        <source>Get key error.</source>
        <translation>获取密钥失败。</translation>
    </message>
    <message>
        <location line="-85"/>
        <location line="+90"/>
        <source>Create device key file error.</source>
        <translation>创建设备密钥文件失败。</translation>
    </message>
    <message>
        <location line="-85"/>
        <location line="+90"/>
        <source>Exported.</source>
        <translation>已导出。</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Saved.</source>
        <translation>已保存。</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Please input the secret key.</source>
        <translation>请输入密钥。</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Please import file.</source>
        <translation>请导入文件。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Open file failed.</source>
        <translation>打开文件失败。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Answer cannot be empty.</source>
        <translation>答案不能为空。</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The email code can not be empty.</source>
        <translation>邮箱验证码不能为空。</translation>
    </message>
</context>
<context>
    <name>TarnTool::ResetRequestBuilder</name>
    <message>
        <location filename="../recovery/resetrequestbuilder.cpp" line="+94"/>
        <source>The new password is too long: at most 16 bytes can be sent.</source>
        <translation>新密码过长：最多只能发送16个字节。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The key is too long: at most 256 bytes can be sent.</source>
        <translation>密钥过长：最多只能发送256个字节。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The path of the key file copy is too long: at most 260 bytes can be sent.</source>
        <translation>密钥文件副本的路径过长：最多只能发送260个字节。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GUID file is not valid: its content is longer than 128 bytes.</source>
        <translation>GUID文件无效：其内容超过128个字节。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>An answer is too long: at most 256 bytes can be sent.</source>
        <translation>答案过长：最多只能发送256个字节。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The verification code is too long: at most 256 bytes can be sent.</source>
        <translation>验证码过长：最多只能发送256个字节。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The device reported an unknown security question.</source>
        <translation>设备返回了未知的密保问题。</translation>
    </message>
</context>
<context>
    <name>TarnTool::ResetResultText</name>
    <message>
        <location filename="../recovery/resetresulttext.cpp" line="+7"/>
        <source>Reset password Succeed.</source>
        <translation>重置密码成功。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset password failed,device deny.</source>
        <translation>重置密码失败，设备拒绝。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset password failed,time out.</source>
        <translation>重置密码失败，超时。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reset password failed,device locked,lock time:%1minutes</source>
        <translation>重置密码失败，设备已锁定，锁定时间：%1分钟</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset password failed,device locked.</source>
        <translation>重置密码失败，设备已锁定。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset password failed,invalid guid, retry times:%1</source>
        <translation>重置密码失败，GUID无效，剩余尝试次数：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset password failed,answer error,retry times:%1</source>
        <translation>重置密码失败，答案错误，剩余尝试次数：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset password failed,invalid verification code, retry times:%1</source>
        <translation>重置密码失败，验证码无效，剩余尝试次数：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset password failed,error id:%1</source>
        <translation>重置密码失败，错误码：%1</translation>
    </message>
</context>
<context>
    <name>TarnTool::RestorePasswordDialog</name>
    <message>
        <location filename="../recovery/restorepassworddialog.cpp" line="+18"/>
        <location line="+22"/>
        <source>Reset Default Password</source>
        <translation>恢复默认密码</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Security Code:</source>
        <translation>安全码：</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Please input security code.</source>
        <translation>请输入安全码。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Restore password succeed.</source>
        <translation>恢复密码成功。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Restore password failed.</source>
        <translation>恢复密码失败。</translation>
    </message>
</context>
<context>
    <name>TarnTool::SecurityQuestionTexts</name>
    <message>
        <location filename="../recovery/securityquestiontexts.cpp" line="+9"/>
        <source>You father&apos;s name.</source>
        <translation>您父亲的姓名。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You mother&apos;s name.</source>
        <translation>您母亲的姓名。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your senior class teacher&apos;s name.</source>
        <translation>您高中班主任的姓名。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You junior class teacher&apos;s name.</source>
        <translation>您初中班主任的姓名。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The name of the roommate you most familiar with.</source>
        <translation>您最熟悉的室友的姓名。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Who influences your most.</source>
        <translation>对您影响最大的人。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your favorite celebrity.</source>
        <translation>您最喜欢的名人。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your favorite automobile brand.</source>
        <translation>您最喜欢的汽车品牌。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your favorite game.</source>
        <translation>您最喜欢的游戏。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your favorite book.</source>
        <translation>您最喜欢的书。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your favorite color.</source>
        <translation>您最喜欢的颜色。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your favorite movie.</source>
        <translation>您最喜欢的电影。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your favorite flower.</source>
        <translation>您最喜欢的花。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The brand of your first mobile phone.</source>
        <translation>您第一部手机的品牌。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The destination of your first flight.</source>
        <translation>您第一次乘飞机的目的地。</translation>
    </message>
</context>
<context>
    <name>TarnTool::TARNToolMainPage</name>
    <message>
        <location filename="../app/tarntoolmainpage.cpp" line="+82"/>
        <location line="+1"/>
        <source>TARN Tool</source>
        <translation>TARN 工具</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>Initialization failed.</source>
        <translation>初始化失败。</translation>
    </message>
    <message>
        <location line="+96"/>
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
    <name>UpgradeTool</name>
    <message>
        <location filename="../app/upgradetool.cpp" line="+71"/>
        <location line="+1"/>
        <location line="+134"/>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <location line="-109"/>
        <source>UpgradeTool</source>
        <translation>升级工具</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>New version found</source>
        <translation>发现新版本</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No Prompt</source>
        <translation>不再提示</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>Downloading the update package...</source>
        <translation>正在下载升级包...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The downloaded update package is damaged and was not opened.</source>
        <translation>下载的升级包已损坏，未打开。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The update package was saved to %1 but could not be opened.</source>
        <translation>升级包已保存到 %1，但无法打开。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The update package could not be saved.</source>
        <translation>无法保存升级包。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The update package could not be downloaded.</source>
        <translation>无法下载升级包。</translation>
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
        <location filename="../aptui/basedialog.cpp" line="+56"/>
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
<context>
    <name>aptui::CDlgAbout</name>
    <message>
        <location filename="../aptui/cdlgabout.cpp" line="+20"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Name: </source>
        <translation>名称：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Version: </source>
        <translation>版本：</translation>
    </message>
</context>
</TS>
