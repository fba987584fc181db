#include "tools/datagen/help_page.h"

namespace datagen {

namespace {

// Lines end in CRLF in the written file; the text here uses plain "\n".
const char kPage[] = R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=gb2312">
<title>Ticora 桌面时钟 帮助</title>
<style type="text/css">
body { font-family: "宋体", sans-serif; font-size: 10.5pt; color: #203040; background: #f4faf4; margin: 0; }
#top { background: #2c4c94; color: #ffffff; padding: 14px 24px; }
#top h1 { font-size: 18pt; margin: 0; }
#top p { margin: 4px 0 0 0; color: #d8e4ff; }
#toc { background: #d7f1d7; padding: 8px 24px; border-bottom: 1px solid #a8cca8; }
#toc a { margin-right: 14px; color: #1a4a9a; }
.sec { padding: 4px 24px 10px 24px; }
h2 { font-size: 13pt; color: #2c4c94; border-bottom: 1px solid #b8c8e8; padding-bottom: 3px; margin-top: 18px; }
h3 { font-size: 11pt; color: #306030; margin-bottom: 4px; }
table { border-collapse: collapse; margin: 6px 0; }
td, th { border: 1px solid #b0c4b0; padding: 3px 8px; vertical-align: top; }
th { background: #e4f2e4; text-align: left; }
.note { background: #fff8dc; border: 1px solid #e8d890; padding: 6px 10px; margin: 8px 0; }
.key { font-family: "Courier New", monospace; color: #803000; }
#foot { color: #708070; font-size: 9pt; padding: 10px 24px 20px 24px; border-top: 1px solid #c8dcc8; }
</style>
</head>
<body>
<div id="top">
<h1>Ticora 桌面时钟</h1>
<p>小巧的桌面时钟：数字或指针表盘、整点报时、事件提醒、定时关机与系统时间校对。</p>
</div>
<div id="toc">
<a href="#intro">概述</a>
<a href="#face">表盘与拖动</a>
<a href="#tray">托盘图标与菜单</a>
<a href="#appearance">程序设置</a>
<a href="#remind">时钟设定与提醒</a>
<a href="#event">事件编辑</a>
<a href="#countdown">关机倒计时</a>
<a href="#calendar">万年历</a>
<a href="#timeset">校正系统时间</a>
<a href="#theme">整点报时声音主题</a>
<a href="#files">文件</a>
<a href="#skin">自制外观</a>
</div>

<div class="sec">
<h2><a name="intro">概述</a></h2>
<p>Ticora 启动后在桌面上显示一个无边框、总在最前面的小时钟，同时在任务栏右侧的通知区域放置一个图标。
时钟每秒走动一次；到了整点可以播放所选声音主题中对应钟点的声音；到了您设定的时间，
它会弹出消息板、播放提示音、启动指定的程序，或者在倒计时后关闭、重新启动计算机。
“万年历”显示 1901 年到 2100 年每一天的农历、节气和节日。</p>
<p>同一个程序目录中的 Ticora 只运行一个：再次启动时会把已经运行的时钟显示到前面。</p>
</div>

<div class="sec">
<h2><a name="face">表盘与拖动</a></h2>
<h3>数字表盘</h3>
<p>数字表盘由一张背景图片和一组数字图片组成，以“时:分:秒”的形式显示 24 小时制时间。
时钟窗口的外形随背景图片而定：图片中与左上角像素颜色相同的部分是透明的，桌面会从那里透出来。
程序自带多款背景（胶囊、金属面板、闹钟、白云）和多款数字（绿色液晶、蓝色点阵、琥珀色液晶），可以在“程序设置”中任意搭配。</p>
<h3>指针表盘</h3>
<p>指针表盘由 60 个刻度圆点和三根由圆点组成的指针构成：黄色为时针，紫红色为分针，绿色为秒针。
圆点之间的空隙是透明的，鼠标点在空隙处会直接点到下面的窗口。</p>
<h3>移动时钟</h3>
<p>在时钟上按住鼠标左键即可把它拖到屏幕上的任意位置。关闭程序时会记住当前位置，下次启动时时钟出现在同一位置。</p>
<h3>半透明</h3>
<p>在“程序设置”中勾选“透明窗口显示”并调整“透明度”（10 到 255，255 为不透明），时钟就会变成半透明，不会遮挡后面的内容。</p>
</div>

<div class="sec">
<h2><a name="tray">托盘图标与菜单</a></h2>
<p>把鼠标停在通知区域的时钟图标上，可以看到今天的日期和星期。单击图标可以隐藏或重新显示时钟；
右键单击图标或时钟本身会弹出菜单：</p>
<table>
<tr><th>菜单项</th><th>作用</th></tr>
<tr><td>隐藏 Ticora / 显示 Ticora</td><td>隐藏桌面上的时钟，或把隐藏的时钟重新显示出来。</td></tr>
<tr><td>时钟设置</td><td>打开“时钟设定”：选择整点报时的声音主题，管理提醒事件（见<a href="#remind">时钟设定与提醒</a>）。</td></tr>
<tr><td>程序设置</td><td>选择表盘、外观、透明度和各项开关（见<a href="#appearance">程序设置</a>）。</td></tr>
<tr><td>校对系统时间</td><td>打开“校正系统时间”，修改计算机的日期和时间（见<a href="#timeset">校正系统时间</a>）。</td></tr>
<tr><td>万年历</td><td>打开万年历，查看农历、节气和节日，也可以为某一天添加提醒（见<a href="#calendar">万年历</a>）。</td></tr>
<tr><td>帮助</td><td>打开本页。</td></tr>
<tr><td>关于 Ticora...</td><td>显示版本信息。</td></tr>
<tr><td>关闭</td><td>记住时钟位置并退出程序。</td></tr>
</table>
</div>

<div class="sec">
<h2><a name="appearance">程序设置</a></h2>
<p>“程序设置”对话框右侧的“外观预览”框中有一个正在走动的时钟副本，您所做的每个修改都会立即在其中显示出来。
按“确定”后设置才会保存到 <span class="key">Ticora.ini</span> 并应用到桌面上的时钟，按“取消”则一切保持原样。</p>
<table>
<tr><th>选项</th><th>说明</th></tr>
<tr><td>时钟样式：数字式 / 指针式</td><td>选择表盘类型。选择“指针式”时两组外观箭头不可用。</td></tr>
<tr><td>显示比例：自动 / 100% / 200% / 300%</td><td>表盘的放大倍数。“自动”按显示器的缩放比例选择（125% 以下为 100%，150% 到 200% 为 200%，250% 以上为 300%），预览框中立即显示效果。</td></tr>
<tr><td>数字样式 / 背景样式</td><td>用预览框下方的两组左右箭头分别切换数字图片和背景图片，到了最后一个会回到第一个。</td></tr>
<tr><td>自动运行</td><td>Windows 启动时自动运行 Ticora。</td></tr>
<tr><td>启用整点报时功能</td><td>每到整点播放所选声音主题中该钟点的声音。</td></tr>
<tr><td>启用事件提醒功能</td><td>按时触发您在“时钟设定”中建立的提醒事件。关闭后所有提醒暂停，但不会被删除。</td></tr>
<tr><td>透明窗口显示、透明度：</td><td>让时钟半透明；“透明度”是不透明程度，范围 10 到 255。</td></tr>
<tr><td>弹出消息等待时间(秒)</td><td>提醒消息板自动关闭前停留的秒数，范围 1 到 36000。</td></tr>
<tr><td>自动关机提示等待时间(秒)</td><td>自动关机或重新启动前倒计时的秒数，范围 1 到 60，在这段时间内可以取消。</td></tr>
</table>
<p>数值不是数字或超出范围时，按“确定”会提示该项的有效范围，例如“自动关机提示等待时间必须在 1 到 60 秒之间。”，
对话框保持打开。若 <span class="key">Ticora.ini</span> 被设为只读或无法写入，
会提示“无法保存设置到 Ticora.ini。”，设置只在本次运行中有效。</p>
</div>

<div class="sec">
<h2><a name="remind">时钟设定与提醒</a></h2>
<h3>整点报时</h3>
<p>在“整点报时声音主题目录：”中填写或用“浏览...”选择一个声音主题目录，按“试听”可以听到该主题四点钟的声音。
要真正报时，还需要在“程序设置”中勾选“启用整点报时功能”。
目录的路径不能超过 127 个字符，否则按“确定”时会提示，请选择路径较短的文件夹。</p>
<p>勾选“夜间免打扰”后，从前一个钟点起（含）到后一个钟点止（不含）不报时，例如“22 时至 7 时”；
两个钟点相同表示全天不报时。免打扰只影响整点报时，事件提醒照常。</p>
<h3>错过的提醒与稍后提醒</h3>
<p>计算机休眠、程序未运行或时钟被调快时错过的提醒：迟到不超过 5 分钟的照常执行；更早的不再执行（不会启动程序、关机或重新启动），
而是列在“错过的提醒”窗口中（最多回溯 7 天，每个事件只列最近一次），该窗口一直保留到您关闭它。
消息板上的“稍后提醒”在所选分钟数（5、10、15、30 或 60，右键单击该按钮选择）后再次显示同一提醒，但不执行其动作；
若事件下一次按时提醒来得更早，则以按时提醒为准。</p>
<h3>事件提醒</h3>
<p>下方的列表列出所有提醒事件的标题和类型。行首的复选框表示事件是否启用：去掉勾选可以暂时停用某个事件而不删除它。</p>
<ul>
<li><b>添加</b>：新建一个事件（见<a href="#event">事件编辑</a>）。</li>
<li><b>修改</b>：编辑选中的事件，也可以直接双击列表中的一行。</li>
<li><b>删除</b>：删除选中的事件。</li>
</ul>
<p>按“确定”时保存复选框状态和声音主题目录，并在有改动时写入提醒文件 <span class="key">Ticora.rmd</span>；
文件无法写入（例如被设为只读）时会给出提示。</p>
<div class="note">提醒只在“程序设置”中勾选了“启用事件提醒功能”时才会触发。同一分钟内一个事件只触发一次。</div>
</div>

<div class="sec">
<h2><a name="event">事件编辑</a></h2>
<p>“事件提醒”对话框用来建立或修改一个提醒事件。先在“标题：”中填写一个便于辨认的名称。</p>
<h3>时间类型</h3>
<p>选择“按规则重复”后，在它右边的下拉列表中选择规则。</p>
<table>
<tr><th>选项</th><th>何时触发</th></tr>
<tr><td>每日一次</td><td>每天在“时间选择：”的时间触发，日期不起作用。</td></tr>
<tr><td>单只一次</td><td>只在“日期选择：”的日期、“时间选择：”的时间触发一次。</td></tr>
<tr><td>按规则重复：每周</td><td>在“星期：”后勾选的日子（一 二 三 四 五 六 日）触发，至少要选择一天。</td></tr>
<tr><td>按规则重复：工作日</td><td>星期一到星期五触发。</td></tr>
<tr><td>按规则重复：每月</td><td>每月的同一天触发；没有这一天的月份（例如 2 月 30 日）在该月最后一天触发。</td></tr>
<tr><td>按规则重复：每年</td><td>每年的同一月同一日触发；2 月 29 日在平年的 2 月 28 日触发。</td></tr>
<tr><td>按规则重复：农历每年</td><td>每年农历的同一月同一日触发，适合生日和传统节日；农历小月没有三十时在廿九触发。</td></tr>
</table>
<h3>提示消息</h3>
<p>在“消息内容 (不超过256个字符)”中填写要显示的内容。勾选“使用任务栏消息板”时，
触发时屏幕上会出现一块消息板，显示标题、消息和剩余秒数，
到时自动关闭，也可以点“确定”或右上角的“X”立即关闭，按住标题栏可以拖动它。</p>
<h3>提示声音</h3>
<p>勾选“使用声音提示”，在“提示音频文件：”中选择一个 WAV 声音文件，事件触发时就会播放它；“试听”可以先听一听。</p>
<h3>预置动作</h3>
<table>
<tr><th>动作</th><th>说明</th></tr>
<tr><td>无特殊动作</td><td>只显示消息和播放声音。</td></tr>
<tr><td>关闭计算机</td><td>弹出倒计时对话框，倒计时结束后关闭计算机（见<a href="#countdown">关机倒计时</a>）。</td></tr>
<tr><td>重新启动计算机</td><td>同上，倒计时结束后重新启动计算机。</td></tr>
<tr><td>执行特殊程序</td><td>启动“可执行文件(exe 文件或任务命令行)：”中的程序或命令行，例如定时打开备份工具。</td></tr>
</table>
<p>勾选“强制执行指定的预置动作”时，关机或重启不等待其他程序保存数据，请谨慎使用。
声音文件和命令行的路径不能超过 255 个字符；放不下的内容在按“确定”时会被拒绝并提示，而不会被悄悄截断。</p>
</div>

<div class="sec">
<h2><a name="countdown">关机倒计时</a></h2>
<p>关机或重启的提醒到时，会出现“Ticora 指定的自动关机程序将在”若干秒后执行的倒计时对话框，
秒数就是“程序设置”中的“自动关机提示等待时间(秒)”。按“立即执行”马上执行动作，
按“取消”并确认则放弃这一次动作。</p>
</div>

<div class="sec">
<h2><a name="calendar">万年历</a></h2>
<p>从菜单的“万年历”打开。万年历窗口可以一直开着，时钟照常走动和提醒。</p>
<table>
<tr><th>按钮</th><th>作用</th></tr>
<tr><td>上一年 / 下一年</td><td>翻到前一年或后一年的同一个月。</td></tr>
<tr><td>上月 / 下月</td><td>翻到前一个月或后一个月。</td></tr>
<tr><td>日期框</td><td>直接输入或选择要查看的日期。</td></tr>
<tr><td>今天</td><td>回到今天。</td></tr>
<tr><td>添加提醒...</td><td>为选中的一天新建提醒（双击某一天也可以），类型预设为“单只一次”，可改为“每年”或“农历每年”；按“确定”后提醒立即保存。有提醒的日子在月历中带有标记，说明行列出这一天的提醒。</td></tr>
<tr><td>关闭</td><td>关闭万年历。</td></tr>
</table>
<p>月历每页六周，每格上面是公历日期，下面是农历日期；节日和节气用不同的颜色标出，农历每月初一显示月份名称。
单击某一天即选中它，窗口下方显示这一天的完整说明，例如“2024年2月10日 星期六 农历甲辰龙年 正月初一 春节”。
灰色的是相邻月份的日子，单击它会翻到那个月。</p>
<p>键盘：方向键左右移动一天、上下移动一周，Page Up / Page Down 翻月，Home 回到今天，Esc 关闭；
Tab 和 Shift+Tab 在各按钮之间切换。万年历的范围是 1901 年 1 月 1 日到 2100 年 12 月 31 日。</p>
</div>

<div class="sec">
<h2><a name="timeset">校正系统时间</a></h2>
<p>对话框上方实时显示“当前系统日期：”和“当前系统时间：”。在“新日期：”中选择新日期；如需同时修改时间，
勾选“校正时间”后在“新时间：”中选择新时间，然后按“确定”。修改成功后，通知区域图标的提示也会显示新的日期。</p>
<div class="note">修改系统时间需要相应的权限，并需要程序目录中的 Dorvix.dll。若提示无法完成操作，请检查这两项。</div>
</div>

<div class="sec">
<h2><a name="theme">整点报时声音主题</a></h2>
<p>声音主题是一个目录，里面有一个 <span class="key">theme.ini</span> 和各钟点的声音文件。
主题分 12 小时制（12 个声音，上午下午共用）和 24 小时制（24 个声音）两种。
程序目录下的 <span class="key">Themes\Bells12</span> 和 <span class="key">Themes\Bells24</span> 是两个示例主题：
几点钟就敲几下钟；24 小时制主题在下午和晚上先奏一小段前奏，钟声也更低沉。</p>
<h3>整点报时声音主题生成器（Belvane）</h3>
<p>在“时间模式”中选择“12 小时制”或“24 小时制”；“各个整点的报时声音文件”列表中每行是一个钟点，
不属于所选模式的钟点以另一种颜色显示。选中一行后按“浏览...”（或双击这一行）为它挑选声音，按“试听”播放。</p>
<ul>
<li><b>打开声音主题</b>：读入一个主题的 <span class="key">theme.ini</span>，显示它的模式和声音。</li>
<li><b>保存声音主题</b>：在所选目录中写入 <span class="key">theme.ini</span>，并把每个钟点的声音复制为
<span class="key">Hour01.wav</span>、<span class="key">Hour02.wav</span>……；目标文件已存在时会先询问是否覆盖。
保存的是单选按钮所示的模式。目录路径太长、主题文件无法写入或某个声音无法复制时会逐项提示。</li>
<li><b>关闭</b>：退出生成器；<b>关于...</b>：显示版本信息。</li>
</ul>
<p>然后在“时钟设定”的“整点报时声音主题目录：”中选择这个目录即可。</p>
</div>

<div class="sec">
<h2><a name="files">文件</a></h2>
<p>所有设置都保存在程序目录下的 <span class="key">Ticora.ini</span> 中，提醒事件保存在
<span class="key">Ticora.rmd</span> 中。程序不写入其他位置（“自动运行”选项除外，它使用系统的启动项）。</p>
<p>写入这些文件时，程序先写一个带有自己标记的临时文件，写完整后再替换原文件，因此即使中途断电，
原来的内容也不会丢失；您自己放在旁边的同名备份（例如 <span class="key">Ticora.ini.old</span>）不会被改动或删除。
文件被其他程序占用时会稍等再试，必要时直接写入原文件。被设为只读的文件不会被修改。</p>
</div>

<div class="sec">
<h2><a name="skin">自制外观</a></h2>
<p>背景图片和数字图片都是普通的 BMP 文件，放在程序目录中，并在 <span class="key">Ticora.ini</span> 的
<span class="key">[BACKGROUND]</span> 和 <span class="key">[NUMBER]</span> 节中登记（<span class="key">nTotal</span> 为数量，
<span class="key">sFile01</span>、<span class="key">sFile02</span>…… 为文件名）。</p>
<ul>
<li>背景图片左上角像素的颜色为透明色（不能是黑色），图片中所有这种颜色的像素都会被挖空。</li>
<li>背景图片中要留出一块 110 × 25 像素的显示区，其最左列和最右列为纯黑色，时间就画在这里。
图片其他地方尽量不要使用纯黑色。</li>
<li>数字图片宽 162、高 25 像素：0 到 9 十个数字各宽 15 像素依次排列，从 150 起是 8 像素宽的冒号，从 160 起是 2 像素宽的边框。</li>
</ul>
</div>

<div id="foot">Ticora v)" TICORA_SHORT_VERSION R"( &nbsp;|&nbsp; 本页可在程序目录的 Help 子目录中找到。</div>
</body>
</html>
)";

}  // namespace

std::string HelpPage() {
    std::string out;
    for (const char* p = kPage; *p; ++p) {
        if (*p == '\n') out += '\r';
        out += *p;
    }
    return out;
}

}  // namespace datagen
