#include "cli/options/command_line_options.h"

#include <algorithm>
#include <array>

namespace {

constexpr ActionSet kMovers = ActionBit(CommandLineAction::Movers);
constexpr ActionSet kFrames = ActionBit(CommandLineAction::Frames);
constexpr ActionSet kList = ActionBit(CommandLineAction::List);
constexpr ActionSet kCheck = ActionBit(CommandLineAction::Check);
constexpr ActionSet kVerify = ActionBit(CommandLineAction::Verify);
constexpr ActionSet kRuns = kMovers | kFrames;

// The manual page's texts are roff: "\-" is a hyphen-minus that can be typed, ".I" and ".B"
// set the next words in italics or bold, ".IR" and ".BR" alternate them with roman.
constexpr std::array<CommandLineOption, 20> kOptions{{
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
6 requests are under way at a time, each given 10 seconds; where every server asked answers
over HTTP/2 (offered over TLS), 32, side by side on one connection to each.
A server that answers 429 or 503 with
.B Retry\-After
is asked again after the wait it names (60 seconds at most, 3 times a page at most), and half
as many requests are under way from then on.
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
    {.name = "verify",
     .action = CommandLineAction::Verify,
     .help = "Print the old addresses that do not move permanently; write nothing.",
     .manual = R"roff(
After the move, for every page file of
.I FOLDER
(every file with
.BR \-\-every\-file ),
ask the old site for the page's old address as a browser would: the address of
.B \-\-old\-address
followed by the page's path, percent-encoded as a browser sends it, with the query
.I ?zandrift\-verify=1
added; a GET request, each redirect followed by a request of its own.
An old address moves permanently when it answers 301 or 308 with exactly the page's new
address (the move map's, or the same path at
.BR \-\-address ),
the query kept, addresses compared as a browser sends them; or when it answers 200 with a
page whose head moves on to the new address with a refresh of 0 seconds (a
.B \-\-movers
page written with
.BR "\-\-delay 0" );
and the new address then answers 2xx (HEAD, or GET where the server answers HEAD with 405
or 501).
Requests go as those of
.BR \-\-check :
6 under way at a time, each given 10 seconds, through the system's proxy settings.
For each old address that does not move permanently, standard output gets one line: the
page's path, its old address and what is wrong, separated by tabs, in the order of the
pages:
.B "temporary redirect (\fIN\fB)"
for 302, 303 and 307,
.BR "refresh after \fIN\fB s (temporary to search engines)" ,
.B "chain of \fIN\fB redirects"
(or
.BR "chain of more than 5 redirects" ),
.B loop
(an address asked again),
.BI "wrong target: " ADDRESS
(where the redirects end, or where the refresh leads),
.BR "query dropped" ,
.BR "new page missing (\fIN\fB)" ,
.BR "not redirected (\fIN\fB)" ,
.B timed out
or the network's error.
Then the line
.RI \(lq N " of " M " old addresses move permanently to their new page\(rq"
and, when any does not, one line that counts each kind of fault that happened, separated by
commas, in the order above:
.RI \(lq 2 " temporary redirects, " 1 " loop\(rq"
(the kinds are temporary redirects, delayed refreshes, chains of redirects, loops, wrong
targets, dropped queries, missing new pages, addresses not redirected, time-outs and network
errors).
Needs \fB\-\-old\-address\fR and an \fB\-\-address\fR starting with \fBhttp://\fR or \fBhttps://\fR.
Ctrl+C ends it at once.
)roff"},
    {.name = "address",
     .goesWith = kRuns | kList | kCheck | kVerify,
     .neededBy = kRuns | kCheck | kVerify,
     .value = OptionValue::Text,
     .valueName = "URL",
     .help = "The site's new address, used as given (no control characters).",
     .manual = R"roff(
The site's new address, used exactly as given but for its blanks, written
.IR %20 ;
it may not be blank or hold a line break or another control character.
With
.BR \-\-list ,
each page's path is followed by a tab and its new address.
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
     .goesWith = kRuns | kList | kCheck | kVerify,
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
    {.name = "map",
     .goesWith = kRuns | kList | kCheck | kVerify,
     .value = OptionValue::File,
     .valueName = "FILE",
     .help = "A CSV of old paths and new places: where renamed pages went.",
     .manual = R"roff(
Where pages (with
.BR \-\-every\-file ,
files) went when not to the same path at the new address: a CSV file as spreadsheets write
it (UTF-8, a byte order mark allowed, LF or CRLF line ends, fields in double quotes where
they hold commas, quotes or line breaks), two fields a row: the old path, relative to
.I FOLDER
as
.B \-\-list \-\-recursive
prints it (a leading "/" means the same), and the new place, a full
.B http:
or
.B https:
address used as given, or a path relative to the new address, encoded name by name as the
pages' names are.
An optional first row
.B old,new
is a header; blank rows are skipped, and so is a row starting with "#" (a page whose name
starts with "#" is written in quotes).
Every page and rules file,
.B \-\-check
and
.B \-\-verify
use the map; a page without a row keeps its path.
A map that cannot be used (it cannot be read, a quote left open, a row without exactly two
fields, an old path given twice or not a page of the run, a new place empty or holding a
control character) stops the run before anything is written, with the file, the line and
the reason, exit status 2.
)roff"},
    {.name = "rules",
     .goesWith = kRuns,
     .value = OptionValue::ListOf,
     .valueName = "LIST",
     .choices = "apache nginx caddy netlify firebase vercel",
     .help = "Server rules files to write too: apache,nginx,caddy,netlify,firebase,vercel.",
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
(deploy it at the site's root),
.B firebase
writes
.I firebase.json
(merge its redirects list into the hosting part of the project's firebase.json; Firebase
answers 301),
.B vercel
writes
.I vercel.json
(merge its redirects list into the project's vercel.json; Vercel answers 308).
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
longer than 4,095 bytes, a line of Apache longer than 8,191 characters, more than 2,048
redirects for Vercel or 1,000 for Firebase).
)roff"},
    {.name = "every-file",
     .goesWith = kRuns | kVerify,
     .help = "With --rules, --sitemaps or --verify: every file, not only the pages.",
     .manual = R"roff(
With
.B \-\-rules
or
.BR \-\-sitemaps :
redirect every file of
.I FOLDER
(and of its tree with
.BR \-\-recursive ),
pictures, documents, style sheets and scripts too, not only the pages; the same files are
left out as from the listing (hidden files and folders, links to folders, the output
folders).
Mover pages are still written for the pages alone.
With
.BR \-\-verify :
verify the old address of every such file.
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
    {.name = "old-address",
     .goesWith = kRuns | kVerify,
     .neededBy = kVerify,
     .value = OptionValue::Text,
     .valueName = "URL",
     .help = "With --rules, --sitemaps or --verify: FOLDER's full address on the old site.",
     .manual = R"roff(
With
.B \-\-rules
or
.BR \-\-sitemaps :
the full address at which
.I FOLDER
is served today
.RI ( https://old.example.org/shop/ ),
an
.B http:
or
.B https:
address without a query or a fragment; its path is the old path, as
.B \-\-old\-path
gives it, which is then not given.
.B \-\-verify
asks the old site there.
)roff"},
    {.name = "sitemaps",
     .goesWith = kRuns,
     .help = "With --old-address: write sitemap-old.xml and sitemap-new.xml too.",
     .manual = R"roff(
After the pages and rules files, write
.I sitemap\-old.xml
(every old address redirected) and
.I sitemap\-new.xml
(every new address on the new address's host) into the output folder, for search engines:
sitemaps protocol 0.9, each address absolute and percent-encoded as a browser sends it.
Past 50,000 addresses or 50 MB a file, the addresses go into numbered files
.RI ( sitemap\-old\-1.xml ,
\&...) and the unnumbered file is their sitemap index.
Needs
.B \-\-old\-address
and an
.B http:
or
.B https:
.BR \-\-address .
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
