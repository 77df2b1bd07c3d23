#include "cli/command_line_options.h"

#include <algorithm>
#include <array>

namespace {

constexpr ActionSet kMovers = ActionBit(CommandLineAction::Movers);
constexpr ActionSet kFrames = ActionBit(CommandLineAction::Frames);
constexpr ActionSet kList = ActionBit(CommandLineAction::List);
constexpr ActionSet kCheck = ActionBit(CommandLineAction::Check);
constexpr ActionSet kRuns = kMovers | kFrames;

// The manual page's texts are roff: "\-" is a hyphen-minus that can be typed, ".I" and ".B"
// set the next words in italics or bold, ".IR" and ".BR" alternate them with roman.
constexpr std::array<CommandLineOption, 15> kOptions{{
    {.name = "movers",
     .action = CommandLineAction::Movers,
     .help = "Write redirect pages into FOLDER/zandrifts.",
     .manual = R"roff(
Write a redirect page for every page file of
.I FOLDER
into
.IR FOLDER /zandrifts.
)roff"},
    {.name = "frames",
     .action = CommandLineAction::Frames,
     .help = "Write framed-forwarding pages into FOLDER/framedforward.",
     .manual = R"roff(
Write a framed-forwarding page for every page file of
.I FOLDER
into
.IR FOLDER /framedforward.
)roff"},
    {.name = "list",
     .action = CommandLineAction::List,
     .help = "Print the page files a run would take, one per line.",
     .manual = R"roff(
Print the page files a run would take, one per line, in the window's order.
)roff"},
    {.name = "check",
     .action = CommandLineAction::Check,
     .help = "Print the pages not found at the new address; write nothing.",
     .manual = R"roff(
For every page file of
.IR FOLDER ,
ask the new site for the page's new address: a HEAD request, or a GET where the server
answers HEAD with 405 or 501; redirects are followed, up to 5 and never from https to http;
6 requests are under way at a time, each given 10 seconds.
A page is found when the final answer's status is 2xx.
For each page not found, standard output gets one line: the page's path, its new address
and why (the status code,
.BR "timed out" ,
or the network's error), separated by tabs, in the order of the pages; then the line
.RI \(lq N " of " M " pages found at the new address\(rq."
When the address does not start with
.B http:
or
.BR https: ,
it names a folder on this computer, or is a
.B file:
address (without a host, or with
.BR localhost ),
and each page must be a file there: the folder followed by the page's name, or the
page's
.B file:
address decoded.
)roff"},
    {.name = "address",
     .goesWith = kRuns | kCheck,
     .neededBy = kRuns | kCheck,
     .value = OptionValue::Text,
     .valueName = "URL",
     .help = "The site's new address, used as given (no control characters).",
     .manual = R"roff(
The site's new address, used exactly as given; it may not be blank or hold a line break or
another control character.
)roff"},
    {.name = "delay",
     .goesWith = kMovers,
     .neededBy = kMovers,
     .value = OptionValue::Text,
     .valueName = "N",
     .help = "Seconds before a redirect page moves on: a whole number 0..32767.",
     .manual = R"roff(
For
.BR \-\-movers :
the seconds a redirect page waits before it moves on, a whole number from 0 to 32767
written in digits alone.
)roff"},
    {.name = "recursive",
     .goesWith = kRuns | kList | kCheck,
     .help = "Take the pages of subfolders too (a run mirrors the tree in its output).",
     .manual = R"roff(
Also take the page files of
.IR FOLDER 's
subfolders at any depth; a page is named by its path relative to
.I FOLDER
(\fIdocs/deep/page.htm\fR), listed after its folder's own pages, each folder's subfolders
in the window's order.
Hidden folders, links to folders and the output folders
.I zandrifts
and
.I framedforward
directly inside
.I FOLDER
are not entered.
Each page's new address is the address followed by its relative path.
)roff"},
    {.name = "rules",
     .goesWith = kRuns,
     .value = OptionValue::ListOf,
     .valueName = "LIST",
     .choices = "apache nginx caddy netlify",
     .help = "Server rules files to write too: apache,nginx,caddy,netlify.",
     .manual = R"roff(
After the pages, write one rules file of each kind in
.IR LIST ,
kinds separated by commas, into the output folder:
.B apache
writes a
.I .htaccess
into the output folder and into each subfolder with pages, holding that folder's redirects
(upload them with the pages; the old server needs mod_rewrite,
.B "AllowOverride \%FileInfo"
and
.B "Options \%FollowSymLinks"
or
.BR \%SymLinksIfOwnerMatch ,
without which every request in the folder answers 403), and
.I redirects.apache.conf
with the text map
.I redirects.apache.map
(where you control the server's configuration: Include it inside the old site's VirtualHost;
its RewriteMap line names the map where it was written),
.B nginx
writes
.I redirects.nginx
(include it inside the old site's server block),
.B caddy
writes
.I redirects.caddy
(import it inside the old site's block),
.B netlify
writes
.I _redirects
(deploy it at the site's root).
Every page written is redirected from its old path to its new address, with the visitor's
query string; an index page
.RI ( index.htm
or
.IR index.html )
also redirects its folder's path.
The files of several folders of one old site, each run with its
.BR \-\-old\-path ,
can be read by one site block.
A redirect that a kind cannot hold safely is left out of its file and named on standard
error: what its syntax cannot hold, and what would pass the server's limits (a word of nginx
longer than 4,095 bytes, a line of Apache longer than 8,191 characters).
)roff"},
    {.name = "old-path",
     .goesWith = kRuns,
     .value = OptionValue::Text,
     .valueName = "PATH",
     .help = "With --rules: FOLDER's URL path on the old server (/).",
     .manual = R"roff(
With
.BR \-\-rules :
the URL path at which
.I FOLDER
is served on the old server, from "/" (the default); a "/" is added at its end.
It is percent-decoded once, as an address bar shows it:
.I /my%20shop/
is the folder
.IR "my shop" ,
and a literal "%" is written
.IR %25 .
)roff"},
    {.name = "replace",
     .goesWith = kRuns,
     .help = "Replace an existing output folder of plain files (folders: --recursive).",
     .manual = R"roff(
Replace an existing output folder.
Without it, an existing output folder is left untouched and the run ends.
A folder that is a link, or that holds a subfolder, is never replaced; with
.BR \-\-recursive ,
a folder holding nothing but plain files and folders is replaced, and one holding a link,
device, pipe or socket anywhere is not.
)roff"},
    {.name = "on-error",
     .goesWith = kRuns,
     .value = OptionValue::OneOf,
     .choices = "abort ignore",
     .help = "At a failing step end the run (abort, the default) or go on.",
     .manual = R"roff(
What a failing step does: end the run
.RB ( abort ,
the default) or go on with the next step
.RB ( ignore ).
Either way the step's error ("Error N: description") and the path it concerns are printed.
)roff"},
    {.name = "keep-query",
     .goesWith = kRuns,
     .help = "A script carries the visitor's ?query and #fragment along.",
     .manual = R"roff(
Every page carries a script that takes the visitor on to the new address followed by the
query and the fragment of the old one
.RI ( page.htm?a=1#part ):
a redirect page after its delay, replacing the old page in the browser's history (its
refresh then stands in a
.I noscript
element, for browsers without scripts); a framed page in its frame.
Without scripts the pages lead to the plain new address.
)roff"},
    {.name = "canonical",
     .goesWith = kRuns,
     .help = "Each page names its new address as its canonical address.",
     .manual = R"roff(
Every page names its new address as its canonical address,
.RI \(lq "<link rel=""canonical"" href=""NEW"">" \(rq,
for search engines.
)roff"},
    {.name = "help",
     .action = CommandLineAction::Help,
     .alone = true,
     .help = "Print this help and exit.",
     .manual = R"roff(
Print the usage and exit.
)roff"},
    {.name = "version",
     .action = CommandLineAction::Version,
     .alone = true,
     .help = "Print the version and exit.",
     .manual = R"roff(
Print the version and exit.
)roff"},
}};

} // namespace

std::span<const CommandLineOption> CommandLineOptions() {
    return kOptions;
}

const CommandLineOption& CommandLineOptionNamed(QStringView name) {
    return *std::find_if(
        kOptions.cbegin(), kOptions.cend(),
        [name](const CommandLineOption& option) { return name == QLatin1String(option.name); });
}

QString OptionText(const CommandLineOption& option) {
    return QStringLiteral("--") + QLatin1String(option.name);
}

QStringList Choices(const CommandLineOption& option) {
    return QString::fromLatin1(option.choices).split(u' ', Qt::SkipEmptyParts);
}

QString ValueName(const CommandLineOption& option) {
    return option.value == OptionValue::OneOf ? Choices(option).join(u'|')
                                              : QLatin1String(option.valueName);
}

QString OptionWithValue(const CommandLineOption& option) {
    const QString value = ValueName(option);
    return value.isEmpty() ? OptionText(option) : OptionText(option) + u' ' + value;
}
