#pragma once
// The test's decision on the sample result x in words, as a pupil writes it down: whether x
// lies in the rejection region V, what that means for H0, and the tail probability that
// decides it, compared with the level of its side.

#include "analysis/Zustand.h"

#include <string>

// "x=11 ∈ V: H0 wird verworfen, da P0(X<=11)=1,00% <= 5%", or "x=14 ∉ V: H0 wird nicht
// verworfen, da P0(X<=14)=19,58% > 5%". The tail is the one of the side that rejects x (both
// where the regions overlap); a two-sided test that keeps H0 names the smaller tail, on the
// side of x. The left tail P0(X<=x) is compared with α links, the right tail P0(X>=x) with
// α rechts, as the bounds were found from the levels: x lies in V exactly when the comparison
// holds. Reads the test kind that Testart_setzen set; an x outside 0..n decides nothing.
std::string Entscheidungstext(const Zustand& z);
