// ZuroNoxaOption: the configuration application.
#include "option/app/OptionApp.h"

int main(int argc, char** argv)
{
    return option::app::runOptionApp(argc, argv);
}
