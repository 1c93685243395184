// Whether the tests run in the sanitizer build (CMake option
// ZORVEL_SANITIZE), where everything takes several times longer: long
// random runs draw fewer cases there, to stay within the time limit.
#ifndef SANITIZER_HILFEN_H
#define SANITIZER_HILFEN_H

#if defined(__SANITIZE_ADDRESS__)
constexpr bool MitSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool MitSanitizer = true;
#else
constexpr bool MitSanitizer = false;
#endif
#else
constexpr bool MitSanitizer = false;
#endif

// The number of random round trips: 10,000, a tenth with the sanitizer.
constexpr int ZufallsRundreisen = MitSanitizer ? 1000 : 10000;

#endif // SANITIZER_HILFEN_H
