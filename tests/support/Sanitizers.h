#pragma once

// Whether this test binary runs under ThreadSanitizer, for the few cases its runtime cannot
// follow (clang 14 fails inside its own fork handling and fd bookkeeping).
#if defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define QUARN_UNDER_TSAN 1
#endif
#endif
#if !defined(QUARN_UNDER_TSAN) && defined(__SANITIZE_THREAD__)
#define QUARN_UNDER_TSAN 1
#endif
#ifndef QUARN_UNDER_TSAN
#define QUARN_UNDER_TSAN 0
#endif
