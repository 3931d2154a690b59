#pragma once
// How Extract rewrites a literal, and which code the generators write.
// With no mode chosen the tool works as with Global.
enum class StringMode { Global, Form, Function };
