#include "cli/odds_commands.h"

#include <algorithm>
#include <optional>
#include <sstream>

#include "cli/odds_chart_modes.h"
#include "cli/odds_deal_modes.h"
#include "cli/odds_options.h"
#include "cli/odds_output.h"
#include "cli/odds_pay_table_modes.h"
#include "cli/odds_request.h"
#include "cli/odds_session_mode.h"
#include "games/game_variants.h"

namespace {

using O = EOddsOption;

// What --help says after the usage lines: %s stand for the variants, the families and the
// default game.
const char kHelpText[] =
    "PAYS:  [--pays TABLE] [--rules RULES] [--bet B]\n"
    "\n"
    "With five dealt cards, lists the 32 holds ranked by their exact expected pay per coin,\n"
    "counted over every possible draw from the 47 unseen cards. With --return, gives the exact\n"
    "return to the player of each variant (of the game named; of the default one for a pay\n"
    "table other than as-built) played with the best hold on every one of the 2,598,960\n"
    "deals; progress is shown on standard error when it is a terminal. Below each return, the\n"
    "variance of one hand's pay per coin bet, squared (of holds tied on expected pay, the less\n"
    "volatile is played). With --hands N, also the covariance of two hands of one deal (the\n"
    "variance over deals of a hand's expected pay) and the standard deviation of a round of N\n"
    "hands of one deal, in bets: the total pay of the N hands per coin bet on each.\n"
    "\n"
    "With --break-even, gives for each game the natural royal flush's pay per coin at which\n"
    "the return is 100 %, the best holds chosen again at that pay: the least whole pay, its\n"
    "coins at the bet, and the pay exactly.\n"
    "\n"
    "With --session, plays sessions of R rounds of N hands (1 by default) at B coins a hand\n"
    "from a bankroll of COINS, best holds on every deal: each round is drawn from its exact\n"
    "distribution (the deal, then its hands, which are independent given the deal), a session\n"
    "ends early when the coins no longer cover a round's stake. Gives the percentiles 5, 25,\n"
    "50, 75 and 95 of the session's result in coins, the chance to end ahead and the chance to\n"
    "lose the bankroll before the end, each with its standard error from the sessions played.\n"
    "\n"
    "With --hold, lists for the cards HELD of the deal (in one argument; \"\" holds nothing) each\n"
    "category that can come up, with its exact number of draws and its probability, then the\n"
    "expected pay per coin and its standard deviation per hand. With --hands N (1 to 50) and\n"
    "--bet B, also the expected hands of each category over N hands and the expected total win\n"
    "with its standard deviation. Columns are separated by two or more spaces.\n"
    "\n"
    "With --strategy, prints the strategy chart of the pay table and bet: for each line, read\n"
    "from the top, the class of hold it keeps, the share of deals it decides, its average\n"
    "expected pay per coin on them and the percentage points of return it gives up against\n"
    "the best hold, and under a line its penalty cards: which line's hold to keep instead (or\n"
    "the line's own lower cards) when a card of given ranks (of the held cards' suit, where it\n"
    "says so) is discarded; then the chart's exact return, the best return and the gap\n"
    "between them. With --simple, the simpler chart without penalty cards (--chart-holds\n"
    "plays it too).\n"
    "With --chart-holds, reads deals from standard input, five cards a line (blank lines are\n"
    "skipped), and writes for each the deal, the chart's line and the cards it holds (- for\n"
    "none), separated by tabs. A bad line is told on standard error and skipped; the exit\n"
    "status is then 2 at the end.\n"
    "\n"
    "With --list, lists the library of casino pay tables, every family's: the --game and\n"
    "--pays that play each, its name and its return at 5 coins, counted exactly as --return\n"
    "counts it.\n"
    "\n"
    "TABLE is the pay table played: as-built (a variant's default), a table of the library of\n"
    "the game's family by name (--game jacks --pays 9/6; --pays list lists them with their\n"
    "returns at 1 and 5 coins), or the pay per coin of each category of the game in pay-table\n"
    "order, the first the royal flush's at 5 coins (--pays \"800 50 25 9 6 4 3 2 1\"). RULES,\n"
    "for such a list, is casino (the default: A-2-3-4-5 is a straight, the royal pays 250 per\n"
    "coin below 5 coins) or as-built (ace high only, the royal's pay at every bet); a named\n"
    "table has its own.\n"
    "B is the bet, 1 to 5 coins, which decides the royal's pay; 5 is the default.\n"
    "\n"
    "GAME is a variant of the table, played as built unless --pays says otherwise:\n"
    "  %s;\n"
    "or a family of the library, played with its first table there unless --pays says\n"
    "otherwise (the title names the table):\n"
    "%s\n"
    "%s is the default; either case.\n"
    "CARDS are five cards, in one argument or several: rank 2-10, J, Q, K, A (T for 10), then\n"
    "suit c, d, h or s, for example \"Jh Qh Kh 10h 2c\".\n"
    "Each option is given once.\n"
    "\n"
    "Exit status: 0 on success, 2 for bad input.\n";

// A mode runs with the options read, the games it works on with their tables, and the streams.
using CModeFunction = int (*)(const COddsOptions&, std::vector<CRequest>&, COddsIo&);

enum class EGames {
    None,  // works on no game of its own
    One,   // the game of --game, or the default one
    Every  // without --game, every variant, where each plays its table as built
};

struct COddsMode {
    const char* pszName;  // as messages name it: "--hold"
    bool (*pfnPicked)(const COddsOptions&);
    CModeFunction pfnRun;
    const char* pszUsage;  // its line of --help after the program's name; null: none of its own
    std::vector<EOddsOption> vecTakes;  // every option it takes, the one that picks it too
    bool bCards;                        // takes the five cards
    EGames eGames;
    // The message for an option or the cards it does not take: {mode} and {option} stand for
    // their names, {taker} for that of the first mode that takes the option.
    const char* pszRefusal;
};

const std::vector<COddsMode>& Modes();

// Words in lines of at most 90 characters, each indented by two spaces.
std::string Indented(const std::string& strWords) {
    constexpr std::size_t kWidth = 90;
    std::string strText, strLine;
    std::istringstream in(strWords);
    for (std::string strWord; in >> strWord;) {
        if (!strLine.empty() && strLine.size() + 1 + strWord.size() > kWidth) {
            strText += strLine + "\n";
            strLine.clear();
        }
        strLine += (strLine.empty() ? "  " : " ") + strWord;
    }
    return strText + strLine;
}

int Help(const COddsOptions&, std::vector<CRequest>&, COddsIo& io) {
    for (const COddsMode& mode : Modes()) {
        if (mode.pszUsage == nullptr) continue;
        io.out << (&mode == &Modes().front() ? "Usage: " : "       ") << "handfall-odds "
               << mode.pszUsage << "\n";
    }
    Print(io.out, kHelpText, VariantNames().c_str(), Indented(FamilyNames() + ".").c_str(),
          FindGameVariant(kDefaultGame)->pszCommandName);
    return 0;
}

int Version(const COddsOptions&, std::vector<CRequest>&, COddsIo& io) {
    Print(io.out, "handfall-odds %s\n", HANDFALL_VERSION);
    return 0;
}

template <EOddsOption eOption>
bool Given(const COddsOptions& options) {
    return options.Has(eOption);
}
bool Always(const COddsOptions&) {
    return true;
}
bool PaysList(const COddsOptions& options) {
    return options.strPays == "list";
}

// Every mode, in the order --help lists them. Of several that the command line picks, the later
// one runs and tells the options it does not take: it is the more particular. The first is
// picked always.
const std::vector<COddsMode>& Modes() {
    // clang-format off
    static const std::vector<COddsMode> modes = {
        {"ranking a deal", Always, RankDeal,
         "[--game GAME] [PAYS] CARDS",
         {O::Game, O::Pays, O::Rules, O::Bet}, true, EGames::One,
         "{option} goes with {taker}"},
        {"--hold", Given<O::Hold>, HoldOutcomes,
         "[--game GAME] [PAYS] --hold HELD [--hands N] CARDS",
         {O::Game, O::Pays, O::Rules, O::Bet, O::Hold, O::Hands}, true, EGames::One,
         "{mode} takes no {option}"},
        {"--return", Given<O::Return>, Returns,
         "--return [--hands N] [--game GAME] [PAYS]",
         {O::Game, O::Pays, O::Rules, O::Bet, O::Hands, O::Return}, false, EGames::Every,
         "{mode} takes no {option}"},
        {"--break-even", Given<O::BreakEven>, BreakEvens,
         "--break-even [--game GAME] [PAYS]",
         {O::Game, O::Pays, O::Rules, O::Bet, O::BreakEven}, false, EGames::Every,
         "{mode} takes no {option}"},
        {"--session", Given<O::Session>, Sessions,
         "--session --bankroll COINS --rounds R [--hands N] [--game GAME] [PAYS]",
         {O::Game, O::Pays, O::Rules, O::Bet, O::Hands, O::Session, O::Bankroll, O::Rounds},
         false, EGames::One,
         "{mode} takes no {option}"},
        {"--strategy", Given<O::Strategy>, PrintStrategy,
         "--strategy [--simple] [--game GAME] [PAYS]",
         {O::Game, O::Pays, O::Rules, O::Bet, O::Strategy, O::Simple}, false, EGames::One,
         "{mode} takes no {option}"},
        {"--chart-holds", Given<O::ChartHolds>, ChartHolds,
         "--chart-holds [--simple] [--game GAME] [PAYS] < DEALS",
         {O::Game, O::Pays, O::Rules, O::Bet, O::ChartHolds, O::Simple}, false, EGames::One,
         "{mode} takes no {option}"},
        {"--pays list", PaysList, ListPayTables,
         "[--game GAME] --pays list",
         {O::Game, O::Pays}, false, EGames::None,
         "{mode} takes only --game"},
        {"--list", Given<O::List>, ListLibrary,
         "--list",
         {O::List}, false, EGames::None,
         "{mode} takes nothing else"},
        {"--help", Given<O::Help>, Help,
         "--help | --version",
         {O::Help}, false, EGames::None,
         "{mode} takes nothing else"},
        {"--version", Given<O::Version>, Version,
         nullptr,
         {O::Version}, false, EGames::None,
         "{mode} takes nothing else"},
    };
    // clang-format on
    return modes;
}

bool Takes(const COddsMode& mode, EOddsOption eOption) {
    return std::find(mode.vecTakes.begin(), mode.vecTakes.end(), eOption) != mode.vecTakes.end();
}

// The mode's message for what it does not take: an option, or the cards (no eOption).
std::string Refusal(const COddsMode& mode, const std::string& strWhat,
                    std::optional<EOddsOption> eOption = std::nullopt) {
    std::string strTaker;
    for (const COddsMode& other : Modes())
        if (strTaker.empty() && eOption && Takes(other, *eOption)) strTaker = other.pszName;
    std::string strText = mode.pszRefusal;
    const auto fill = [&strText](const std::string& strField, const std::string& strValue) {
        if (const std::size_t n = strText.find(strField); n != std::string::npos)
            strText.replace(n, strField.size(), strValue);
    };
    fill("{mode}", mode.pszName);
    fill("{option}", strWhat);
    fill("{taker}", strTaker);
    return strText;
}

// The checks are in this order, so that of several faults the same one is always told: an
// option the mode does not take, --hands without --bet, the games and their pay tables, cards
// the mode does not take.
int RunMode(const COddsMode& mode, const COddsOptions& options, COddsIo& io) {
    for (const COptionSpec& spec : OddsOptionSpecs())
        if (options.Has(spec.eOption) && !Takes(mode, spec.eOption))
            return BadInput(io, Refusal(mode, spec.pszName, spec.eOption));
    // The win over hands of a hold is told in coins; the other modes' figures are per coin bet.
    if (Takes(mode, O::Hold) && options.Has(O::Hands) && !options.Has(O::Bet))
        return BadInput(io, "--hands and --bet go together");
    std::vector<CRequest> vecRequests;
    if (mode.eGames != EGames::None) {
        std::string strError = ReadRequests(options, mode.eGames == EGames::Every, vecRequests);
        if (!strError.empty()) return BadInput(io, strError);
    }
    if (!mode.bCards && !options.vecCardWords.empty()) return BadInput(io, Refusal(mode, "cards"));
    return mode.pfnRun(options, vecRequests, io);
}

}  // namespace

int RunOdds(const std::vector<std::string>& vecArgs, COddsIo& io) {
    COddsOptions options;
    if (std::string strError = ReadOddsOptions(vecArgs, options); !strError.empty())
        return BadInput(io, strError);
    const COddsMode* pMode = nullptr;
    for (const COddsMode& mode : Modes())
        if (mode.pfnPicked(options)) pMode = &mode;
    return RunMode(*pMode, options, io);
}
