#pragma once

#include <string>
#include <vector>

// Damaged copies of a well-formed text for the bad-input batches.

// Prefixes of the seed, cut every uStep bytes.
void AddTruncations(const std::string& strSeed, std::vector<std::string>* pCases, size_t uStep = 3);
// The seed with a few bytes replaced, removed or doubled, by a fixed seed.
void AddMutations(const std::string& strSeed, int iCount, std::vector<std::string>* pCases);
