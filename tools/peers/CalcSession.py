"""A headless LibreOffice Calc reached through UNO, for the scripts that compare our
spreadsheet grid with it: start soffice with its own profile, connect, open documents
hidden, and end it."""
import os
import subprocess
import time

import uno
from com.sun.star.connection import NoConnectException


class CalcSession:
    def __init__(self, profile):
        # A new profile makes soffice restart once after its first start: let that happen first.
        subprocess.run(["soffice", "-env:UserInstallation=file://" + profile, "--headless", "--terminate_after_init"],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        pipe = "vistra_calc_%d" % os.getpid()
        self.office = subprocess.Popen(["soffice", "-env:UserInstallation=file://" + profile, "--headless",
                                        "--invisible", "--norestore", "--nologo", "--accept=pipe,name=%s;urp;" % pipe],
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
        context = None
        for _ in range(1200):
            try:
                context = resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
                break
            except NoConnectException:
                time.sleep(0.1)
        if context is None:
            self.office.kill()
            raise SystemExit("soffice did not answer")
        self.desktop = context.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", context)

    def open(self, url):
        hidden = uno.createUnoStruct("com.sun.star.beans.PropertyValue")
        hidden.Name, hidden.Value = "Hidden", True
        return self.desktop.loadComponentFromURL(url, "_blank", 0, (hidden,))

    def close(self):
        try:
            self.desktop.terminate()
        except Exception:
            pass
        self.office.wait(timeout=60)
