#include "HelpFormatter.h"

std::string HelpFormatter::make_usage(const CLI::App *app, std::string name) const
{
    if (app->get_parent() != nullptr)
        return CLI::Formatter::make_usage(app, std::move(name));
    std::string usage;
    const char *lead = "Usage: ";
    for (const CLI::App *command : app->get_subcommands({})) {
        usage += lead + name + ' ' + command->get_name();
        // Options first, then the positional arguments, as a user types them.
        for (const bool positional : { false, true }) {
            for (const CLI::Option *option : command->get_options()) {
                if (option == command->get_help_ptr() || option == command->get_help_all_ptr()
                    || option->get_positional() != positional)
                    continue;
                std::string word = option->get_name(positional);
                if (!positional && !option->get_type_name().empty())
                    word += ' ' + option->get_type_name();
                usage += ' ' + (option->get_required() ? word : '[' + word + ']');
            }
        }
        usage += '\n';
        lead = "  or:  ";
    }
    return usage + lead + name + " --help | --help-all | --version\n";
}
