// Tekstor: the display-text editor of the Quarn 7k/8k.
#include "displaytexts/app/CTekstorApp.h"

int main(int argc, char* argv[])
{
    tekstor::CTekstorApp app(argc, argv);
    return app.run();
}
