#pragma once

// The buttons, icons and answers of the program's modal message boxes.
enum class MsgButtons { OK, YesNo, AbortRetryIgnore };
enum class MsgIcon { None, Critical, Information };
enum class MsgAnswer { OK, Yes, No, Abort, Retry, Ignore };
