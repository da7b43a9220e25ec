#pragma once
// Installs the sample lotto and the sample targeted set shipped beside the program.
#include <filesystem>

namespace ds {

// Copies d1, d1a and d2 from `program_folder` into the lotto and set folders of
// `app_folder`, and the shipped games of other shapes (game_powerball and its
// draws_powerball, game_euromillions, game_lotto_max) into Games/USA_Powerball,
// Games/EuroMillions and Games/Canada_Lotto_Max, never over an existing file
// (nor a game.txt beside a param.tix). Every failure is skipped silently.
void create_samples(const std::filesystem::path& program_folder, const std::filesystem::path& app_folder);

}  // namespace ds
